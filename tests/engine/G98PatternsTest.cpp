#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "engine/EngineLimits.h"
#include "engine/G98Grid.h"
#include "engine/G98Patterns.h"

namespace qv {
namespace {

// Grid points written as column letter and row digit: "a0" is (X0, Y0), "c1" is
// (X0 + 2I, Y0 + J) on the grid X0 100, Y0 50, I 20, J 10 with P 2, K 1.
std::vector<Point> Points(std::string_view names) {
  std::vector<Point> points;
  for (size_t at = 0; at + 1 < names.size(); at += 3) {
    points.push_back({100.0 + 20 * (names[at] - 'a'), 50.0 + 10 * (names[at + 1] - '0')});
  }
  return points;
}

// The default words with the given program number and decimal index; coordinate mode 1 turns
// the G93 conversion on (its mode is 0).
G98Options Options(std::u16string programNumber, int32_t decimalIndex, int32_t coordinateMode = 0) {
  G98Options options;
  options.programNumber = std::move(programNumber);
  options.decimalIndex = decimalIndex;
  options.coordinateMode = coordinateMode;
  return options;
}

// Each move as its positioning line followed by the call.
LineList Calls(std::u16string_view call, std::initializer_list<std::u16string_view> moves) {
  LineList lines;
  for (const std::u16string_view move : moves) {
    lines.push_back(u"G90G00" + std::u16string(move));
    lines.emplace_back(call);
  }
  return lines;
}

LineList Join(std::initializer_list<LineList> parts) {
  LineList lines;
  for (const LineList& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

// Every row of the traversal table, worked out by hand from its start corner and direction.
TEST(G98GridTest, VisitsTheGridInTheOrderOfEachPatternKind) {
  const G98Grid grid{100, 50, 20, 10, 2, 1};
  struct Case {
    PatternCode code;
    int32_t kind;
    std::string_view order;
  };
  const Case cases[] = {
      {PatternCode::G75, 1, "a0 b0 c0 c1 b1 a1"},  {PatternCode::G75, 2, "c0 b0 a0 a1 b1 c1"},
      {PatternCode::G75, 3, "a1 b1 c1 c0 b0 a0"},  {PatternCode::G75, 4, "c1 b1 a1 a0 b0 c0"},
      {PatternCode::G75, 11, "a0 b0 c0 a1 b1 c1"}, {PatternCode::G75, 12, "c0 b0 a0 c1 b1 a1"},
      {PatternCode::G75, 13, "a1 b1 c1 a0 b0 c0"}, {PatternCode::G75, 14, "c1 b1 a1 c0 b0 a0"},
      {PatternCode::G76, 1, "a0 a1 b1 b0 c0 c1"},  {PatternCode::G76, 2, "c0 c1 b1 b0 a0 a1"},
      {PatternCode::G76, 3, "a1 a0 b0 b1 c1 c0"},  {PatternCode::G76, 4, "c1 c0 b0 b1 a1 a0"},
      {PatternCode::G76, 11, "a0 a1 b0 b1 c0 c1"}, {PatternCode::G76, 12, "c0 c1 b0 b1 a0 a1"},
      {PatternCode::G76, 13, "a1 a0 b1 b0 c1 c0"}, {PatternCode::G76, 14, "c1 c0 b1 b0 a1 a0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridPoints(grid, c.code, c.kind, 1, 100), Points(c.order))
        << static_cast<int>(c.code) << " kind " << c.kind;
  }
  EXPECT_EQ(GridPoints(grid, PatternCode::G75, 5, 1, 100), std::nullopt);
  EXPECT_EQ(GridPoints(grid, PatternCode::G76, 0, 1, 100), std::nullopt);
  EXPECT_EQ(GridPoints({100, 50, 20, 10, -1, 1}, PatternCode::G75, 1, 1, 100),
            std::vector<Point>{});
}

// Kind 1 zig-zags, kind 5 has no traversal (its subprogram stands, without calls, under the
// number the next pattern reuses), the G01 line makes kind 11 position from (0, 0) again, and
// the subprograms go before the final "%". The macro body's G01 is not copied, so it does not
// count as a move.
TEST(G98PatternsTest, ConvertsGridPatternsIntoSubprogramCalls) {
  const G98Conversion result =
      ConvertG98Patterns({u"%", u"O1000", u"G92X1000.Y500.", u"U01", u"M12", u"G01X10.", u"V01",
                          u"G98X100.Y50.I20.J10.P2K1", u"G75W01Q1", u"G75W01Q5", u"G01X10.Y10.",
                          u"G75W01Q11", u"M30", u"%"},
                         Options(u"1000", 0));
  EXPECT_EQ(result.sourceLines,
            Join({{u"%", u"O1000", u"G92X1000.Y500."},
                  Calls(u"M98P1001", {u"X100.0Y50.0", u"X20.0Y0.0", u"X20.0Y0.0", u"X0.0Y10.0",
                                      u"X-20.0Y0.0", u"X-20.0Y0.0"}),
                  {u"G01X10.Y10."},
                  Calls(u"M98P1002", {u"X100.0Y50.0", u"X20.0Y0.0", u"X20.0Y0.0", u"X-40.0Y10.0",
                                      u"X20.0Y0.0", u"X20.0Y0.0"}),
                  {u"M30", u"O1001", u"M12", u"G01X10.", u"M99", u"O1002", u"M12", u"G01X10.",
                   u"M99", u"O1002", u"M12", u"G01X10.", u"M99", u"%"}}));
  EXPECT_EQ(result.originLines, LineList(12, u"G90G00X0Y0"));
  EXPECT_EQ(result.shiftLines,
            (LineList{u"G92X100.0Y50.0", u"G92X120.0Y50.0", u"G92X140.0Y50.0", u"G92X140.0Y60.0",
                      u"G92X120.0Y60.0", u"G92X100.0Y60.0", u"G92X100.0Y50.0", u"G92X120.0Y50.0",
                      u"G92X140.0Y50.0", u"G92X100.0Y60.0", u"G92X120.0Y60.0", u"G92X140.0Y60.0"}));
}

// G93 shifts: the main program's G93 lines set the previous origin (1, 2); the backward search
// meets the macro's G93 lines last to first, so the earliest wins and its missing Y keeps the
// later line's 9. The first point carries the shift (7 - 1, 9 - 2); the start X 10.125 is
// rounded to two decimals first (printed unrounded it would read 10.12).
TEST(G98PatternsTest, ShiftsTheFirstPointOfAPatternByTheG93Origin) {
  const G98Conversion result =
      ConvertG98Patterns({u"G92X0Y0", u"G93X1.Y2.", u"G93X5.Y5.", u"U02", u"G93X7.", u"M12",
                          u"G93X8.Y9.", u"V02", u"G98X10.125Y20.I1.J2.P1K0", u"G76U02Q11", u"M30"},
                         Options(u"", 1, 1));
  EXPECT_EQ(result.sourceLines,
            (LineList{u"G92X0Y0", u"G90G00X16.13Y27.00", u"M98P1", u"G90G00X1.00Y0.00", u"M98P1",
                      u"M30", u"O1", u"G93X7.", u"M12", u"G93X8.Y9.", u"M99"}));
  EXPECT_EQ(result.originLines, (LineList{u"G92X0Y0", u"G90G00X0Y0"}));
  EXPECT_EQ(result.shiftLines, (LineList{u"", u"G92X11.13Y20.00"}));
}

// A pattern line without "Q" or without its macro block leaves no trace and takes no number. A
// G98 line without Y reads only X; the rest of the grid stays. A decimal index out of range
// prints four decimals.
TEST(G98PatternsTest, SkipsBrokenPatternLinesAndKeepsTheGrid) {
  const G98Conversion result = ConvertG98Patterns(
      {u"G92X0Y0", u"U01", u"M12", u"V01", u"G98X0.Y0.I10.J10.P1K0", u"G75W01", u"G75W07Q1", u"V05",
       u"G75W05Q1", u"G75W01Q1", u"G98X50.I3.J4.P5K6", u"G75W01Q1", u"M30"},
      Options(u"0", 7));
  EXPECT_EQ(result.sourceLines,
            (LineList{u"G92X0Y0", u"G90G00X0.0000Y0.0000", u"M98P1", u"G90G00X10.0000Y0.0000",
                      u"M98P1", u"G90G00X40.0000Y0.0000", u"M98P2", u"G90G00X10.0000Y0.0000",
                      u"M98P2", u"M30", u"O1", u"M12", u"M99", u"O2", u"M12", u"M99"}));
  EXPECT_EQ(result.shiftLines, (LineList{u"G92X0.0000Y0.0000", u"G92X10.0000Y0.0000",
                                         u"G92X50.0000Y0.0000", u"G92X60.0000Y0.0000"}));
}

TEST(G98PatternsTest, AnEmptyMainProgramIsTheSubprograms) {
  EXPECT_EQ(ConvertG98Patterns({u"U01", u"M12", u"V01", u"G75W01Q5"}, {}).sourceLines,
            (LineList{u"O1", u"M12", u"M99"}));
}

// A grid of 10^10 points stops where its lines could no longer be kept.
TEST(G98PatternsTest, AHugeGridEndsAtTheLineLimit) {
  const G98Conversion result = ConvertG98Patterns(
      {u"U01", u"M12", u"V01", u"G98X0.Y0.I1.J1.P100000K100000", u"G75W01Q1", u"%"}, {});
  ASSERT_EQ(result.sourceLines.size(), static_cast<size_t>(kMaxListedLines));
  EXPECT_EQ(result.sourceLines.back(), u"G90G00X1.0Y0.0");
}

TEST(G98PatternsTest, RecordsAtMostTheFirstHundredG98LinesAfterTheFirstG92) {
  LineList program{u"G98X1.", u"G92X0Y0"};
  program.insert(program.end(), 150, u"G98X1.");
  const std::vector<int32_t> indexes = FindG98Lines(program);
  ASSERT_EQ(indexes.size(), static_cast<size_t>(kMaxG98Lines));
  EXPECT_EQ(indexes.front(), 2);
  EXPECT_EQ(indexes.back(), 101);
  EXPECT_TRUE(FindG98Lines({u"G98X1.", u"G92X0Y0", u"M30"}).empty());
  EXPECT_TRUE(FindG98Lines({u"G98X1.", u"G00X0Y0"}).empty());
}

}  // namespace
}  // namespace qv
