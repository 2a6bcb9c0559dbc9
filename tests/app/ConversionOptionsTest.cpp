#include "TestSupport.h"
#include "app/ConversionOptions.h"
#include "app/StartArguments.h"

namespace qv {
namespace {

class ConversionOptionsTest : public ::testing::Test {
 protected:
  ConversionOptionsTest() {
    fields_.sequenceMode = 0;
    fields_.sequenceCode = u"N";
    fields_.sequenceNumber = 10;
    fields_.coordinateMode = 0;
    fields_.postName = u"POST1";
    fields_.materialName = u"SPCC";
    fields_.thicknessName = u"1.6";
  }
  std::u16string CoordinateLineOf(int32_t mode, std::u16string x, std::u16string y,
                                  std::u16string code2 = u"", std::u16string x2 = u"",
                                  std::u16string y2 = u"") {
    PostRecord record;
    record.coordinateMode = mode;
    record.g92X = x;
    record.g92Y = y;
    record.coordinateCode2 = code2;
    record.coordinateX2 = x2;
    record.coordinateY2 = y2;
    return DerivedCoordinateLine(record);
  }

  ConversionOptions fields_;
  PostStore store_;
  Settings runWide_;
};

TEST_F(ConversionOptionsTest, CoordinateLine) {
  EXPECT_EQ(CoordinateLineOf(1, u"10", u"20", u"G93", u"1", u"2"), u"");
  EXPECT_EQ(CoordinateLineOf(0, u"", u""), u"G92");
  EXPECT_EQ(CoordinateLineOf(0, u"1000.", u""), u"G92X1000.");
  EXPECT_EQ(CoordinateLineOf(0, u"", u"5"), u"G92Y5");
  EXPECT_EQ(CoordinateLineOf(0, u"10", u"20", u"G93", u"1", u"2"), u"G92X10Y20;G93X1Y2");
  EXPECT_EQ(CoordinateLineOf(0, u"10", u"20", u"G93", u"", u""), u"G92X10Y20;G93");
  EXPECT_EQ(CoordinateLineOf(0, u"10", u"20", u"", u"1", u"2"), u"G92X10Y20");
}

TEST_F(ConversionOptionsTest, HeadLineNeedsBothProgramNumberParts) {
  PostRecord record;
  record.programAddress = u"O";
  EXPECT_EQ(DerivedHeadLine1b(record), u"");
  record.programNumber = u"1234";
  EXPECT_EQ(DerivedHeadLine1b(record), u"O1234");
  record.comment = u"PART A";
  EXPECT_EQ(DerivedHeadLine1b(record), u"O1234(PART A)");
  record.programAddress.clear();
  EXPECT_EQ(DerivedHeadLine1b(record), u"(PART A)");
}

TEST_F(ConversionOptionsTest, TakeWritesTheRecordAndTheDerivedTexts) {
  fields_.programAddress = u"O";
  fields_.programNumber = u"12";
  fields_.comment = u"LINE1\r\nLINE2\n";
  fields_.g92X = u"1270.";
  fields_.conversionType = 1;
  fields_.g93Mode = 2;
  fields_.g93Code = u"G92";
  ASSERT_EQ(TakeOptions(fields_, kStartNormal, store_, runWide_), OptionsCheck::Valid);
  EXPECT_EQ(store_.record.comment, u"LINE1LINE2");
  EXPECT_EQ(store_.record.headLine1b, u"O12(LINE1LINE2)");
  EXPECT_EQ(store_.record.coordinateLine, u"G92X1270.");
  EXPECT_EQ(store_.record.sequenceNumber, 10);
  EXPECT_EQ(runWide_.conversionType, 1);
  EXPECT_EQ(runWide_.g93Code, u"G92");
  EXPECT_EQ(store_.post, (NamePair{u"POST1", u"POST1"}));
  EXPECT_EQ(store_.thickness, (NamePair{u"1.6", u"1.6"}));

  ConversionOptions shown;
  ShowOptions(store_.record, runWide_, shown);
  shown.postName = fields_.postName;
  shown.materialName = fields_.materialName;
  shown.thicknessName = fields_.thicknessName;
  fields_.comment = u"LINE1LINE2";
  EXPECT_EQ(shown, fields_);
}

TEST_F(ConversionOptionsTest, AutomaticModeKeepsTheSelectionOfTheSettings) {
  store_.post = {u"FROM SETTINGS", u"FROM SETTINGS"};
  ASSERT_EQ(TakeOptions(fields_, kStartAutomatic, store_, runWide_), OptionsCheck::Valid);
  EXPECT_EQ(store_.post.oldName, u"FROM SETTINGS");
  ASSERT_EQ(TakeOptions(fields_, kStartForwarding, store_, runWide_), OptionsCheck::Valid);
  EXPECT_EQ(store_.post.oldName, u"POST1");
}

TEST_F(ConversionOptionsTest, ValidationRefusesAndChangesNothing) {
  const PostStore before = store_;
  fields_.sequenceCode = u"NN";
  EXPECT_EQ(TakeOptions(fields_, kStartNormal, store_, runWide_),
            OptionsCheck::SequenceCodeTooLong);
  fields_.sequenceCode = u"N";
  fields_.sequenceNumber = 100001;
  EXPECT_EQ(TakeOptions(fields_, kStartNormal, store_, runWide_),
            OptionsCheck::SequenceNumberOutOfRange);
  fields_.sequenceNumber = -1;
  EXPECT_EQ(ValidateOptions(fields_), OptionsCheck::SequenceNumberOutOfRange);
  EXPECT_EQ(store_, before);
  fields_.sequenceNumber = 100000;
  fields_.sequenceCode = u"";
  EXPECT_EQ(ValidateOptions(fields_), OptionsCheck::Valid);
}

TEST_F(ConversionOptionsTest, EnablingFollowsCoordinateAndG93Modes) {
  fields_.coordinateMode = 0;
  fields_.g93Mode = 2;
  EXPECT_EQ(EnablingFor(fields_), (OptionEnabling{true, false, false}));
  fields_.coordinateMode = 1;
  EXPECT_EQ(EnablingFor(fields_), (OptionEnabling{false, true, true}));
  fields_.g93Mode = 0;
  EXPECT_EQ(EnablingFor(fields_), (OptionEnabling{false, true, false}));
}

}  // namespace
}  // namespace qv
