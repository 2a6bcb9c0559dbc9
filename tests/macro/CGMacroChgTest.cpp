#include <string>
#include <vector>

#include "TestSupport.h"
#include "macro/CGMacroChg.h"

namespace qv {
namespace {

using Lines = std::vector<std::u16string>;

class CGMacroChgTest : public ::testing::Test {
 protected:
  CGMacroChgTest() { macro.SetReportLists(&unconvertible, &warnings); }

  // The expanded copy of a program, and the result in `result`.
  Lines Check(const Lines& program, int32_t* result = nullptr) {
    Lines out;
    const int32_t r = macro.CheckAndExpand(program, out);
    if (result != nullptr) *result = r;
    return out;
  }

  // The expansion of a program by a fresh object with the same options, for comparisons.
  Lines Fresh(const Lines& program) {
    CGMacroChg other;
    other.SetOptions(options);
    Lines out;
    other.CheckAndExpand(program, out);
    return out;
  }

  void UseOptions(const MacroOptions& o) {
    options = o;
    macro.SetOptions(o);
  }

  CGMacroChg macro;
  MacroOptions options;
  Lines unconvertible;
  Lines warnings;
};

const Lines kRectangleAt100_50{
    u"G00G01G02G03", u"G00X110.Y50.", u"G91",         u"G41G09G01X10.Y0.",
    u"G01X0.Y10.",   u"G01X-40.Y0.",  u"G01X0.Y-20.", u"G01X40.Y0.",
    u"G01X0.Y10.",   u"G90",          u"G00G40"};

// The rapid lines of an expansion: one per figure, at its pierce point.
Lines Rapids(const Lines& lines) {
  Lines rapids;
  for (const std::u16string& line : lines) {
    if (line.starts_with(u"G00X")) rapids.push_back(line);
  }
  return rapids;
}

// The lines with every "-0." that stands for zero written "0.".
Lines WithoutNegativeZero(Lines lines) {
  for (std::u16string& line : lines) {
    for (size_t at = line.find(u"-0."); at != std::u16string::npos; at = line.find(u"-0.", at)) {
      const bool zero = at + 3 == line.size() || line[at + 3] < u'0' || line[at + 3] > u'9';
      if (zero) {
        line.erase(at, 1);
      } else {
        ++at;
      }
    }
  }
  return lines;
}

TEST(CGMacroChgModeTest, DistanceModeFollowsTheLaterOfG90AndG91) {
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G01X1.", 1), 1);
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G01X1.", 0), 0);
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G91G111X1.", 0), 1);
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G90", 1), 0);
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G90G91", 0), 1);
  EXPECT_EQ(CGMacroChg::DetectDistanceMode(u"G91G90", 1), 0);
}

TEST_F(CGMacroChgTest, RectangleExpandsToTheListedLines) {
  Lines out;
  EXPECT_EQ(macro.ExpandLine(u"G111X100.Y50.I40.J20.", 0, out, 1), 0);
  EXPECT_EQ(out, kRectangleAt100_50);
}

TEST_F(CGMacroChgTest, IncrementsAreExactDifferencesSoOppositeSidesMatch) {
  UseOptions({0, 2, 0});
  Lines out;
  ASSERT_EQ(macro.ExpandLine(u"G111X603.72Y0I34.369J12.", 0, out, 1), 0);
  // Half length 17.1845, approach 6: the pierce point 614.9045 lies just below the half.
  EXPECT_EQ(out, (Lines{u"G00G01G02G03", u"G00X614.904Y0.", u"G91", u"G41G01X6.Y0.", u"G01X0.Y6.",
                        u"G01X-34.369Y0.", u"G01X0.Y-12.", u"G01X34.369Y0.", u"G01X0.Y6.", u"G90",
                        u"G00G40"}));
}

TEST_F(CGMacroChgTest, IncrementalLineSwitchesModeBeforeTheFigure) {
  int32_t result = 0;
  const Lines out = Check({u"G91G111X10.Y5.I20.J10."}, &result);
  EXPECT_EQ(result, 1);
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[out.size() - 2], u"G91");
  EXPECT_EQ(out.back(), u"G00G40");
  EXPECT_EQ(out[1], u"G00X15.Y5.");
}

TEST_F(CGMacroChgTest, RepeatLineTakesSizeAndCornerFromThePreviousFigure) {
  const Lines repeated = Check({u"G111X0Y0I40.J20.R3.", u"G111X50.Y0."});
  const Lines first = Fresh({u"G111X0Y0I40.J20.R3."});
  const Lines explicitSecond = Fresh({u"G111X50.Y0.I40.J20.R3."});
  Lines expected = first;
  expected.insert(expected.end(), explicitSecond.begin(), explicitSecond.end());
  EXPECT_EQ(repeated, expected);
  EXPECT_TRUE(unconvertible.empty());
}

TEST_F(CGMacroChgTest, RepeatLineIsRejectedAfterAnotherCodeButNotAfterG00) {
  int32_t result = 0;
  Check({u"G111X0Y0I40.J20.", u"G01X5.", u"G111X50.Y0."}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     3    G111X50.Y0."});
  unconvertible.clear();
  const Lines out = Check({u"G111X0Y0I40.J20.", u"G00X5.", u"G111X50.Y0."}, &result);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_EQ(Rapids(out), (Lines{u"G00X10.Y0.", u"G00X5.", u"G00X60.Y0."}));
}

TEST_F(CGMacroChgTest, RepeatLineMayOnlyCarryAPosition) {
  int32_t result = 0;
  Check({u"G111X0Y0I40.J20.", u"G111X50.Y0.K90."}, &result);
  EXPECT_EQ(result, -1);
  Check({u"G111X0Y0I40.J20.", u"G111X50.Y0.Q2."}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, (Lines{u"     2    G111X50.Y0.K90.", u"     2    G111X50.Y0.Q2."}));
}

TEST_F(CGMacroChgTest, RepeatLineWithOneCoordinateTakesTheOtherFromTheMode) {
  const Lines absolute = Check({u"G00X7.Y9.", u"G111X0Y3.I40.J20.", u"G111X50."});
  EXPECT_EQ(Rapids(absolute), (Lines{u"G00X7.Y9.", u"G00X10.Y3.", u"G00X60.Y3."}));
  const Lines onlyY = Check({u"G111X0Y3.I40.J20.", u"G00X5.", u"G111Y8."});
  EXPECT_EQ(Rapids(onlyY), (Lines{u"G00X10.Y3.", u"G00X5.", u"G00X15.Y8."}));
  const Lines incremental = Check({u"G91G111X0Y3.I40.J20.", u"G111X50."});
  EXPECT_EQ(Rapids(incremental), (Lines{u"G00X10.Y3.", u"G00X60.Y0."}));
}

TEST_F(CGMacroChgTest, FigureWithoutPositionIsRemovedInPlaceAndKeptByTheCheck) {
  const Lines program{u"G111I20.J10.", u"G126X0Y0I50.J0K6"};
  int32_t result = 0;
  const Lines checked = Check(program, &result);
  EXPECT_EQ(result, 1);
  ASSERT_EQ(checked.size(), 1u + 6 * 11);
  EXPECT_EQ(checked[0], u"G111I20.J10.");
  EXPECT_EQ(Rapids(checked), (Lines{u"G00X55.Y0.", u"G00X30.Y43.301", u"G00X-20.Y43.301",
                                    u"G00X-45.Y0.", u"G00X-20.Y-43.301", u"G00X30.Y-43.301"}));
  Lines inPlace = program;
  CGMacroChg other;
  EXPECT_EQ(other.ExpandInPlace(inPlace), 1);
  EXPECT_EQ(inPlace, Lines(checked.begin() + 1, checked.end()));
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_TRUE(warnings.empty());
}

TEST_F(CGMacroChgTest, LinePatternUsesTheBaseOnlyWithAPositionOnTheLine) {
  const Lines three = Check({u"G111X0Y0I10.J10.", u"G128I20.J0K3"});
  // Square of 10 with the default approach of 5: the pierce point is the position itself.
  EXPECT_EQ(Rapids(three), (Lines{u"G00X0.Y0.", u"G00X20.Y0.", u"G00X40.Y0.", u"G00X60.Y0."}));
  const Lines four = Check({u"G111I10.J10.", u"G128X100.I20.J90.K3"});
  EXPECT_EQ(Rapids(four),
            (Lines{u"G00X100.Y0.", u"G00X100.Y20.", u"G00X100.Y40.", u"G00X100.Y60."}));
}

TEST_F(CGMacroChgTest, GridPatternsVisitTheirPositionsInOrder) {
  const Lines rows = Check({u"G111I10.J10.", u"G136X0Y0I10.J20.P2K1"});
  EXPECT_EQ(Rapids(rows), (Lines{u"G00X0.Y0.", u"G00X10.Y0.", u"G00X20.Y0.", u"G00X20.Y20.",
                                 u"G00X10.Y20.", u"G00X0.Y20."}));
  const Lines columns = Check({u"G111I10.J10.", u"G137I10.J20.P1K1"});
  // No X or Y on the pattern line: the base is the last position seen and is skipped.
  EXPECT_EQ(Rapids(columns), (Lines{u"G00X0.Y20.", u"G00X10.Y20.", u"G00X10.Y0."}));
}

TEST_F(CGMacroChgTest, ArcPatternWithPitch) {
  const Lines out = Check({u"G112I4.", u"G129X0Y0I10.J90.K3P-90."});
  // Circles of diameter 4 with the default approach 2: pierce at X + 2 - 2.
  EXPECT_EQ(Rapids(out), (Lines{u"G00X0.Y10.", u"G00X10.Y0.", u"G00X0.Y-10."}));
  // Without X and Y the circle is centred on the last position, here the figure's own.
  const Lines around = Check({u"G111X10.Y20.I10.J10.", u"G126I5.K2"});
  EXPECT_EQ(Rapids(around), (Lines{u"G00X10.Y20.", u"G00X15.Y20.", u"G00X5.Y20."}));
}

TEST_F(CGMacroChgTest, NegativeIFigureFollowsThePatternAngle) {
  const Lines pattern = Check({u"G111I-20.J10.", u"G126X0Y0I50.J0K4"});
  const Lines second = Fresh({u"G111X0Y50.I-20.J10.K90."});
  ASSERT_EQ(pattern.size(), 1u + 4 * second.size());
  // The pattern's position is 50·cos 90°, not quite 0, so a zero may come out signed.
  EXPECT_EQ(WithoutNegativeZero(Lines(pattern.begin() + 1 + second.size(),
                                      pattern.begin() + 1 + 2 * second.size())),
            WithoutNegativeZero(second));
}

TEST_F(CGMacroChgTest, PatternAngleGrowsOnlyAfterFiguresWithNegativeI) {
  // I0 still turns with the pattern angle, but the angle stays at J: both slots open upwards.
  // Both rays of a slot of no angle point up, so its ends are whole circles.
  const auto slot = [](const char16_t* rapid) {
    return Lines{rapid,
                 u"G91",
                 u"G41G09G01X0.Y-5.",
                 u"G02X0.Y0.I0.J-25.",
                 u"G03X0.Y10.I0.J5.",
                 u"G03X0.Y0.I0.J-35.",
                 u"G03X0.Y-10.I0.J-5.",
                 u"G02X0.Y0.I0.J-25.",
                 u"G90",
                 u"G00G40"};
  };
  Lines expected{u"G115I0.J10.R30."};
  for (const char16_t* rapid : {u"G00X100.Y0.", u"G00X-100.Y0."}) {
    const Lines figure = slot(rapid);
    expected.insert(expected.end(), figure.begin(), figure.end());
  }
  EXPECT_EQ(Check({u"G115I0.J10.R30.", u"G126X0Y0I100.J0K2"}), expected);
}

TEST_F(CGMacroChgTest, BookkeepingAfterAPatternUsesTheFigureAtItsLastPosition) {
  // The repeat after the pattern is accepted (lastG is the figure's) and the lone X takes the
  // Y of the last pattern position.
  const Lines out = Check({u"G111I10.J10.", u"G128X0Y7.I20.J0K1", u"G111X100."});
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_EQ(Rapids(out), (Lines{u"G00X0.Y7.", u"G00X20.Y7.", u"G00X100.Y7."}));
}

TEST_F(CGMacroChgTest, PatternWithoutFigureVanishesWithAWarning) {
  int32_t result = 0;
  const Lines out = Check({u"G00X1.", u"G126X0Y0I50.K6", u"M30"}, &result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(out, (Lines{u"G00X1.", u"M30"}));
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_EQ(warnings, Lines{u"     2    G126X0Y0I50.K6"});
}

TEST_F(CGMacroChgTest, FigureWithoutGeometryVanishesWithAWarningAlsoInAPattern) {
  int32_t result = 0;
  // A circle with flats of diameter 0 passes its check but has no chord to cut.
  const Lines out = Check({u"G113X10.Y10.I0", u"G00X1.", u"G126X0Y0I50.K6", u"M30"}, &result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(out, (Lines{u"G00X1.", u"M30"}));
  EXPECT_TRUE(unconvertible.empty());
  EXPECT_EQ(warnings, (Lines{u"     1    G113X10.Y10.I0", u"     3    G126X0Y0I50.K6"}));
  Lines inPlace{u"G113X10.Y10.I0", u"M30"};
  CGMacroChg other;
  EXPECT_EQ(other.ExpandInPlace(inPlace), 1);
  EXPECT_EQ(inPlace, Lines{u"M30"});
}

TEST_F(CGMacroChgTest, ModalCompletionMarksTheFilledWordsPresent) {
  // An arc slot needs I, J and R present: a repeat line has them only through completion.
  const Lines repeated = Check({u"G115X0Y0I60.J4.R25.", u"G115X10.Y0."});
  EXPECT_TRUE(unconvertible.empty());
  Lines expected = Fresh({u"G115X0Y0I60.J4.R25."});
  const Lines second = Fresh({u"G115X10.Y0.I60.J4.R25."});
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(repeated, expected);
}

TEST_F(CGMacroChgTest, LineTooLongToReadIsUnconvertible) {
  const std::u16string longLine = u"G01X1." + std::u16string(250, u'Y');
  int32_t result = 0;
  EXPECT_EQ(Check({longLine}, &result), Lines{longLine});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     1    " + longLine});
}

TEST_F(CGMacroChgTest, PatternAfterARejectedFigureVanishesWithAWarning) {
  int32_t result = 0;
  const Lines out = Check({u"G111X0Y0I20.J30.", u"G126X0Y0I50.K6"}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(out, Lines{u"G111X0Y0I20.J30."});
  EXPECT_EQ(unconvertible, Lines{u"     1    G111X0Y0I20.J30."});
  EXPECT_EQ(warnings, Lines{u"     2    G126X0Y0I50.K6"});
}

TEST_F(CGMacroChgTest, PatternProducingTooManyLinesIsRefused) {
  macro.SetPatternLineLimit(99);  // nine squares of eleven lines fit, ten do not
  int32_t result = 0;
  EXPECT_EQ(Check({u"G111I10.J10.", u"G128I20.K9"}, &result).size(), 1u + 9 * 11);
  EXPECT_EQ(result, 1);
  const Lines out = Check({u"G111I10.J10.", u"G128I20.K10", u"G111X5."}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Lines(out.begin(), out.begin() + 2), (Lines{u"G111I10.J10.", u"G128I20.K10"}));
  // The refused pattern leaves its own words behind: lastG is 128, so the repeat is refused.
  EXPECT_EQ(unconvertible, (Lines{u"     2    G128I20.K10", u"     3    G111X5."}));
  EXPECT_EQ(out.size(), 3u);
}

// Found by fuzzing: a bolt circle of 61136 polygons of 90 sides would have produced some six
// million lines from one line and exhausted memory.
TEST_F(CGMacroChgTest, FuzzFindingHugeBoltCircleOfPolygonsIsRefused) {
  int32_t result = 0;
  Check({u"G114X0Y0I0Y0I10.J90.K28P1100", u"G126I50.J0K61136"}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     2    G126I50.J0K61136"});
}

TEST_F(CGMacroChgTest, MalformedValuesAreUnconvertibleWhereverTheyStand) {
  int32_t result = 0;
  const Lines program{u"X1.2.3",   u"G01X1.123456",    u"G00X+5.",          u"M08K",
                      u"N10GOTO5", u"IF[#1GT0]GOTO10", u"G111X0Y0I20.J1..", u"(C1.2.3)G01"};
  const Lines out = Check(program, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(out, program);
  EXPECT_EQ(unconvertible, (Lines{u"     1    X1.2.3", u"     2    G01X1.123456",
                                  u"     3    G00X+5.", u"     4    M08K", u"     5    N10GOTO5",
                                  u"     6    IF[#1GT0]GOTO10", u"     7    G111X0Y0I20.J1.."}));
}

TEST_F(CGMacroChgTest, MalformedLineKeepsTheWordsReadBeforeTheBadValue) {
  int32_t result = 0;
  const Lines out = Check({u"G111X5.Y5.I10.J3.1234567", u"G111X100.Y100."}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     1    G111X5.Y5.I10.J3.1234567"});
  // The repeat takes I10 from the refused line and J defaults to I: a square of 10.
  EXPECT_EQ(out, (Lines{u"G111X5.Y5.I10.J3.1234567", u"G00G01G02G03", u"G00X100.Y100.", u"G91",
                        u"G41G09G01X5.Y0.", u"G01X0.Y5.", u"G01X-10.Y0.", u"G01X0.Y-10.",
                        u"G01X10.Y0.", u"G01X0.Y5.", u"G90", u"G00G40"}));
}

TEST_F(CGMacroChgTest, LineWithAControlCharacterIsUnconvertible) {
  // A file with lone CR line ends reads as one line.
  const Lines program{u"G111X0Y0I10.J10.\rG126X0Y0I50.K4\r"};
  int32_t result = 0;
  EXPECT_EQ(Check(program, &result), program);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     1    " + program[0]});
  EXPECT_EQ(macro.Refusals(),
            (std::vector<MacroRefusalEntry>{{1, MacroRefusal::ControlCharacter}}));
}

TEST_F(CGMacroChgTest, LinesThatWouldPrintValuesWithoutNcTextAreUnconvertible) {
  // Turned by 45 degrees the block's X becomes 1414213561.1; the figure's pierce point and
  // the pattern's first one need ten digits before the point.
  const Lines program{u"G68R45.",
                      u"M98P1",
                      u"G111X999999999.Y0I20.J10.",
                      u"G111I10.J10.",
                      u"G126X10.Y0I999999999.K4",
                      u"M30",
                      u"O1",
                      u"G01X999999999.Y-999999999.",
                      u"M99"};
  int32_t result = 0;
  EXPECT_EQ(Check(program, &result), program);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible.size(), 4u);
  EXPECT_EQ(macro.Refusals(), (std::vector<MacroRefusalEntry>{{2, MacroRefusal::Unprintable},
                                                              {3, MacroRefusal::Unprintable},
                                                              {5, MacroRefusal::Unprintable}}));
}

TEST_F(CGMacroChgTest, ProgramWhoseExpansionWouldPassTheLineBudgetIsRefused) {
  // 814 bytes that would expand into some 40 million lines: each pattern is refused by its
  // first figure, so nothing grows.
  Lines program{u"G111I10.J10."};
  program.insert(program.end(), 40, u"G126X0Y0I50.K90000");
  int32_t result = 0;
  EXPECT_EQ(Check(program, &result), program);
  EXPECT_EQ(result, -1);
  ASSERT_EQ(unconvertible.size(), 40u);
  EXPECT_EQ(unconvertible[0], u"     2    G126X0Y0I50.K90000");
  ASSERT_EQ(macro.Refusals().size(), 40u);
  EXPECT_EQ(macro.Refusals()[0], (MacroRefusalEntry{2, MacroRefusal::ExpansionTooLarge}));
  Lines inPlace = program;
  CGMacroChg other;
  EXPECT_EQ(other.ExpandInPlace(inPlace), 1);  // the figure definition went
  EXPECT_EQ(inPlace, Lines(program.begin() + 1, program.end()));
  ASSERT_EQ(other.Refusals().size(), 40u);
  // In place a line is numbered where it stands in the program expanded so far.
  EXPECT_EQ(other.Refusals()[0], (MacroRefusalEntry{1, MacroRefusal::ExpansionTooLarge}));
}

TEST_F(CGMacroChgTest, LineKindsAndTheirResults) {
  Lines out;
  EXPECT_EQ(macro.ExpandLine(u"GOTO5", 0, out, 1), -4);
  EXPECT_EQ(macro.ExpandLine(u"  ", 0, out, 2), -4);
  EXPECT_EQ(macro.ExpandLine(u"#1=10", 0, out, 3), -3);
  EXPECT_EQ(macro.ExpandLine(u"G50X0Y0", 0, out, 4), -3);
  EXPECT_EQ(macro.ExpandLine(u"G1000", 0, out, 5), -3);
  EXPECT_EQ(macro.ExpandLine(u"G150X0Y0", 0, out, 6), -2);
  EXPECT_EQ(macro.ExpandLine(u"G127", 0, out, 7), -2);
  EXPECT_EQ(macro.ExpandLine(u"G100", 0, out, 0), -2);
  EXPECT_EQ(unconvertible, (Lines{u"     6    G150X0Y0", u"     7    G127", u"G100"}));
  EXPECT_TRUE(out.empty());
}

TEST_F(CGMacroChgTest, ProgramWithoutMacrosIsLeftAlone) {
  Lines program{u"O100", u"G90G92X0Y0", u"G00X10.Y10.", u"", u"(NOTE)", u"M30"};
  const Lines original = program;
  int32_t result = 9;
  EXPECT_EQ(Check(program, &result), original);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(macro.ExpandInPlace(program), 0);
  EXPECT_EQ(program, original);
}

TEST_F(CGMacroChgTest, RotationLinesSetTheStateAndStayUnconvertible) {
  int32_t result = 0;
  const Lines program{u"G68X0Y0R30.", u"G01X1."};
  EXPECT_EQ(Check(program, &result), program);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(unconvertible, Lines{u"     1    G68X0Y0R30."});
  EXPECT_EQ(macro.RotationOn(), 1);
  EXPECT_EQ(macro.RotationAngle(), 30.0);
  Check({u"G68"}, &result);  // without R the state stays
  EXPECT_EQ(macro.RotationOn(), 1);
  Check({u"G69"}, &result);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(macro.RotationOn(), 0);
  EXPECT_EQ(macro.RotationAngle(), 0.0);
}

TEST_F(CGMacroChgTest, SubprogramCallUnderRotationIsExpanded) {
  const Lines program{u"G68R90.", u"M98P100", u"M30", u"O100", u"G01X10.Y0", u"G04X1.5", u"M99"};
  Lines out = program;
  EXPECT_EQ(macro.ExpandInPlace(out), 1);
  EXPECT_EQ(out, (Lines{u"G68R90.", u"G01X0.Y10.", u"G04X1.5", u"M30", u"O100", u"G01X10.Y0",
                        u"G04X1.5", u"M99"}));
}

TEST_F(CGMacroChgTest, SubprogramCallUsesTheDecimalOption) {
  UseOptions({2, 0, 0});
  const Lines out = Check({u"G68R180.", u"M98H20", u"M30", u"N20", u"G01X1000Y-5.", u"M99"});
  EXPECT_EQ(out[1], u"G01X-1.Y5.");
}

TEST_F(CGMacroChgTest, SubprogramCallWithoutRotationOrLabelStays) {
  const Lines noRotation{u"M98P100", u"O100", u"G01X10.Y0", u"M99"};
  EXPECT_EQ(Check(noRotation), noRotation);
  const Lines noLabel{u"G68R90.", u"M98P101", u"O100", u"G01X10.Y0", u"M99"};
  EXPECT_EQ(Check(noLabel), noLabel);
  Lines inPlace = noLabel;
  CGMacroChg other;
  other.ExpandInPlace(inPlace);
  EXPECT_EQ(inPlace, noLabel);
}

TEST_F(CGMacroChgTest, RotationCarriesOverToTheNextRunOnTheSameObject) {
  Check({u"G68R90."});
  const Lines out = Check({u"M98P1", u"O1", u"G01X10.Y0", u"M99"});
  EXPECT_EQ(out[0], u"G01X0.Y10.");
}

TEST_F(CGMacroChgTest, UnsetListsAreNotWritten) {
  CGMacroChg quiet;
  Lines out;
  EXPECT_EQ(quiet.ExpandLine(u"X1.2.3", 0, out, 1), -2);
  EXPECT_EQ(quiet.ExpandLine(u"G126I5.K2", 0, out, 2), 0);
}

}  // namespace
}  // namespace qv
