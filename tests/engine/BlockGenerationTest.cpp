#include <stdexcept>
#include <string>
#include <vector>

#include "EngineRun.h"
#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"

namespace qv {
namespace {

class BlockGenerationTest : public ::testing::Test {
 protected:
  BlockGenerationTest() {
    for (const int32_t n : {0, 1, 2, 3, 4, 40, 41, 42, 90, 91})
      keep.remain1Codes.push_back({u'G', n});
    keep.remain1Codes.push_back({u'M', 30});
    PostRecord& r = store.record;
    r.sequenceMode = 1;
    r.headLine1a = u"%";
    r.headLine2 = u"G06";
    r.coordinateSettingLine = u"G90";
    r.punchPositionSuffix = u"T1";
    r.punchConvertedCondition = u"M12";
    r.punchCondition = u"M13";
    r.punchLine3 = u"M14";
    r.markPositionSuffix = u"T2";
    r.markConvertedCondition = u"E1";
    r.markCondition = u"M22";
    r.markShapeLine = u"M23";
    r.cutPositionSuffix = u"T3";
    r.cutCondition = u"M32";
    r.cutShapeLine = u"M33[W]";
    r.endPart = u"M30";
    MachiningCondition& c = store.condition;
    c.punch = {u"M50", u"M12"};
    c.marking = {u"M60", u"E1", u"M61"};
    c.elementCodes = {u"E11", u"E12", u"E13", u"E14"};
    c.shapeCodes = {u"S1", u"S2", u"S3", u"S4"};
    c.lineLengthLimits = {u"10.", u"20.", u"30."};
    c.arcRadiusLimits = {u"1.", u"2.", u"3."};
    // Every figure of these tests fits the first long-side class.
    c.longSideLimits = {u"1000.", u"2000.", u"3000."};
  }

  LineList Converted(const LineList& program) {
    EXPECT_EQ(test::RunEngine(engine, program), 0);
    return engine.State().outputLines;
  }

  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
};

TEST_F(BlockGenerationTest, AddedMotionCodesSpareTheDwell) {
  store.record.addMotionCodes = 1;
  EXPECT_EQ(Converted({u"G90", u"G00X0Y0", u"G02X10.Y10.I5.", u"X20.Y10.", u"G04X1.",
                       u"G00X30.Y30.", u"X40.Y40."}),
            (LineList{u"%", u"G06", u"G90", u"G90", u"G00X0Y0T3", u"S1M32", u"G02X10.Y10.I5.",
                      u"G02X20.Y10.", u"G04X1.", u"M33", u"G00X30.Y30.", u"X40.Y40.", u"M30"}));
}

// The program's own number line (kept by the keep pattern) stands in for head line 2, and in a
// cutting block an own number line is swallowed once.
TEST_F(BlockGenerationTest, AProgramWithItsOwnNumber) {
  keep.remain1Strings = {u"O????"};
  keep.oCodeCheckCounter = 2;
  EXPECT_EQ(Converted({u"G90", u"O1234", u"G00X1.Y1.", u"G01X5.", u"O1234", u"X9."}),
            (LineList{u"%", u"G90", u"G90", u"O1234", u"G00X1.Y1.T3", u"S1M32", u"G01X5.", u"X9.",
                      u"M33", u"M30"}));
  EXPECT_EQ(engine.State().ownProgramNumber, 0);
}

// A G00 at the start of a line followed by a cut does not end the figure: the next block opens
// while the first keeps its marker. The marker line before a macro figure takes the sequence number
// of the block that follows it.
TEST_F(BlockGenerationTest, FigureEndsAndSequenceNumbers) {
  store.record.sequenceMode = 0;
  store.record.sequenceCode = u"N";
  store.record.sequenceNumber = 1;
  EXPECT_EQ(Converted({u"G90", u"G00X0Y0", u"G01X10.", u"G00X20.Y0", u"G01X30.", u"G00X0Y0",
                       u"G00G01G02G03", u"G00X5.Y5.", u"G01X6."}),
            (LineList{u"%",
                      u"G06",
                      u"G90",
                      u"G90",
                      u"N1",
                      u"G00X0Y0T3",
                      u"[CUT-FIG-CONDITION]M32",
                      u"G01X10.",
                      u"N2",
                      u"G00X20.Y0T3",
                      u"S1M32",
                      u"G01X30.",
                      u"M33",
                      u"G00X0Y0",
                      u"N3",
                      u"G00X5.Y5.T3",
                      u"S1M32",
                      u"G01X6.",
                      u"M33",
                      u"M30"}));
}

// With a modal condition every G word after the first line classifies as the process found
// before it (here marking), and a marking figure that ends is closed by ";" and the shape line,
// which the string pass then cuts into two lines (the line break line, control characters only,
// goes).
TEST_F(BlockGenerationTest, ModalMarking) {
  store.condition.conditionIsModal = 1;
  store.record.markPositionSuffix = u"T2";
  EXPECT_EQ(Converted({u"G90", u"G00X0Y0", u"M60", u"G01X10.", u"G00X20.Y20."}),
            (LineList{u"%", u"G06", u"G90", u"G90", u"G00X0Y0T2", u"E1M22", u"G01X10.", u"M23",
                      u"G00X20.Y20.", u"M30"}));
}

// The condition suppression compares templates as written, before expansion; a G90 line with
// G92 inside a cutting block is emitted by both of its rules; the comment loses its line breaks.
TEST_F(BlockGenerationTest, ReadingsOfTheBlockRules) {
  PostRecord& r = store.record;
  r.programAddress = u"O";
  r.programNumber = u"1";
  r.comment = u"A\r\nB";
  r.coordinateMode = 1;
  r.skipSameCondition = 1;
  r.punchConvertedCondition = u"M12[A]";
  r.markPositionSuffix = u"T2";
  r.markConvertedCondition = u"M12X";
  store.condition.programVariables[0] = u"X";
  store.condition.punch = {u"M50", u"M12[A]"};
  store.condition.marking = {u"M60", u"M12X", u"M61"};
  EXPECT_EQ(Converted({u"G90", u"G00X0Y0", u"M50", u"G00X1.Y1.", u"M60", u"G00X2.Y2.", u"G01X3.",
                       u"G90G92X0Y0"}),
            (LineList{u"%", u"O1(AB)", u"G06", u"G90", u"G90", u"G00X0Y0T1", u"M12XM13", u"M14",
                      u"G00X1.Y1.T2", u"M12XM22", u"G00X2.Y2.T3", u"[CUT-FIG-CONDITION]M32",
                      u"G01X3.", u"G90G92X0Y0", u"G90G92X0Y0", u"M30"}));
}

TEST_F(BlockGenerationTest, RepeatedConditionsAreNotWrittenAgain) {
  store.record.skipSameCondition = 1;
  const LineList program{u"G90", u"G00X1.Y1.", u"M50"};
  const LineList head{u"%", u"G06", u"G90", u"G90", u"G00X1.Y1.T1"};
  LineList first = head;
  first.insert(first.end(), {u"M12M13", u"M14", u"M30"});
  LineList second = head;
  second.insert(second.end(), {u"M13", u"M14", u"M30"});
  EXPECT_EQ(Converted(program), first);
  EXPECT_EQ(Converted(program), second);
  // Two cutting figures of the same shape condition (the first ends where a G00 stands after
  // another word): the second prints none.
  EXPECT_EQ(Converted({u"G90", u"G00X0Y0", u"G01X5.", u"G90G00X10.Y0", u"G01X15."}),
            (LineList{u"%", u"G06", u"G90", u"G90", u"G00X0Y0T3", u"S1M32", u"G01X5.", u"M33",
                      u"G90G00X10.Y0T3", u"M32", u"G01X15.", u"M33", u"M30"}));
}

TEST_F(BlockGenerationTest, AFullMatchTableFailsTheConversion) {
  // The 100,000th match is stored; one more fails the conversion.
  LineList full(kMaxMatches / 2, u"G90X1.");
  auto convert = [&](const LineList& lines) {
    engine.ResetForRun();
    engine.State().sourceLines = lines;
    engine.AddCodePair(u"G90", u"G90");
    engine.AddCodePair(u"X1.", u"X1.");
    return engine.Convert();
  };
  EXPECT_EQ(convert(full), 0);
  EXPECT_EQ(engine.State().matchCount, kMaxMatches);
  full.push_back(u"X1.");
  EXPECT_EQ(convert(full), -1);
}

TEST_F(BlockGenerationTest, AFigureLongerThanTheElementListConverts) {
  store.condition.workChute = 1;
  store.condition.workChuteCode = u"WC";
  LineList program{u"G90", u"G00X0Y0"};
  for (int32_t i = 0; i < 10000; ++i)
    program.insert(program.end(), {u"G01X1.", u"Y1.", u"X0.", u"Y0."});
  const LineList out = Converted(program);
  EXPECT_EQ(engine.State().elementCount, kMaxElements);
  ASSERT_EQ(out.size(), 40008u);
  EXPECT_EQ(out[5], u"S1M32");
  EXPECT_EQ(LineList(out.end() - 3, out.end()), (LineList{u"Y0.", u"M33WC", u"M30"}));
}

}  // namespace
}  // namespace qv
