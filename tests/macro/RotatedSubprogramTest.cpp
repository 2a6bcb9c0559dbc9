#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "macro/RotatedSubprogram.h"

namespace qv {
namespace {

std::optional<std::u16string> Turn(std::u16string_view line, double degrees,
                                   int32_t decimalIndex = 0) {
  const double a = degrees * 3.141592653589793 / 180.0;
  return RotateSubprogramLine(line, std::cos(a), std::sin(a), decimalIndex);
}

TEST(RotatedSubprogramTest, LabelComesFromHOrP) {
  EXPECT_EQ(SubprogramLabel(u"M98P1234"), u"O1234");
  EXPECT_EQ(SubprogramLabel(u"N5M98H20"), u"N20");
  EXPECT_EQ(SubprogramLabel(u"M98P100H7"), u"N7");
}

TEST(RotatedSubprogramTest, TurnsPositionAndKeepsTheRestOfTheLine) {
  EXPECT_EQ(Turn(u"G01X10.Y0", 90), u"G01X0.Y10.");
  EXPECT_EQ(Turn(u"N5 G01 Y10. X0 F500", 90), u"N5G01X-10.Y0.F500");
  EXPECT_EQ(Turn(u"G00Y5.", 180), u"G00X-0.Y-5.");  // sin 180° is not quite 0
  EXPECT_EQ(Turn(u"M08", 90), u"M08");
}

TEST(RotatedSubprogramTest, ValuesWithoutPointAreLeastIncrements) {
  EXPECT_EQ(Turn(u"G01X100Y0", 90, 0), u"G01X0.Y10.");
  EXPECT_EQ(Turn(u"G01X12345Y0", 90, 3), u"G01X0.Y1.2345");
  EXPECT_EQ(Turn(u"G01X1.23456Y0", 0, 1), u"G01X1.23Y0.");
}

TEST(RotatedSubprogramTest, ArcCentresTurnWithThePosition) {
  EXPECT_EQ(Turn(u"G03X10.Y10.I0J10.", 90), u"G03X-10.Y10.I-10.J0.");
  EXPECT_EQ(Turn(u"G03 I5. F100", 90), u"I0.J5.G03F100");
  // With a centre, R is left where it stands.
  EXPECT_EQ(Turn(u"G02X1.I1.R7.", 90), u"G02X0.Y1.I0.J1.R7.");
}

TEST(RotatedSubprogramTest, RadiusArcKeepsRAsWrittenAfterThePosition) {
  EXPECT_EQ(Turn(u"G02R+5.0X10.Y0", 90), u"G02X0.Y10.R+5.0");
}

TEST(RotatedSubprogramTest, DwellsAndCommentsAreCopied) {
  EXPECT_EQ(Turn(u"G04X1.5", 90), u"G04X1.5");
  EXPECT_EQ(Turn(u"G4 X2", 90), u"G4 X2");
  EXPECT_EQ(Turn(u"G01X5.(NOTE)", 90), u"G01X5.(NOTE)");
}

TEST(RotatedSubprogramTest, CopiesTheLabelledBlockUpToM99) {
  const std::vector<std::u16string> program{u"O200",      u"G01X1.Y0", u"M99", u"O100",
                                            u"G01X10.Y0", u"G04X1.5",  u"M99", u"G01X3."};
  std::vector<std::u16string> out{u"kept"};
  ASSERT_EQ(ExpandRotatedSubprogram(program, u"O100", 90, 0, out), SubprogramResult::Expanded);
  EXPECT_EQ(out, (std::vector<std::u16string>{u"kept", u"G01X0.Y10.", u"G04X1.5"}));
}

TEST(RotatedSubprogramTest, MissingLabelAppendsNothingAndMissingM99RunsToTheEnd) {
  const std::vector<std::u16string> program{u"O100", u"G01X1.Y0"};
  std::vector<std::u16string> out;
  EXPECT_EQ(ExpandRotatedSubprogram(program, u"O101", 90, 0, out), SubprogramResult::NotFound);
  EXPECT_TRUE(out.empty());
  // Whole lines only.
  EXPECT_EQ(ExpandRotatedSubprogram(program, u"O10", 90, 0, out), SubprogramResult::NotFound);
  ASSERT_EQ(ExpandRotatedSubprogram(program, u"O100", 0, 0, out), SubprogramResult::Expanded);
  EXPECT_EQ(out, (std::vector<std::u16string>{u"G01X1.Y0."}));
}

TEST(RotatedSubprogramTest, BlockWithAValueBeyondNcTextAppendsNothing) {
  // 400 digits read as infinity; turned, it would print as "nan" and "inf".
  const std::u16string huge = u"G01X" + std::u16string(400, u'9') + u".Y0";
  EXPECT_EQ(Turn(huge, 90), std::nullopt);
  EXPECT_EQ(Turn(u"G01X9999999999.Y0", 0), std::nullopt);
  EXPECT_EQ(Turn(u"G01X999999999.Y0", 0), u"G01X999999999.Y0.");
  EXPECT_EQ(Turn(u"G01X1e300", 90), std::nullopt);
  EXPECT_EQ(Turn(u"G01Y2.XE3", 90), std::nullopt);
  const std::vector<std::u16string> program{u"O1", u"G01X1.Y0", huge, u"M99"};
  std::vector<std::u16string> out{u"kept"};
  EXPECT_EQ(ExpandRotatedSubprogram(program, u"O1", 90, 0, out), SubprogramResult::Unprintable);
  EXPECT_EQ(out, std::vector<std::u16string>{u"kept"});
}

}  // namespace
}  // namespace qv
