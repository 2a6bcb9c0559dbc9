#include <gtest/gtest.h>

#include "nctext/StringUtil.h"
#include "preview/PathInterpreter.h"
#include "preview/ProgramScan.h"

namespace qv {
namespace {

using Lines = std::vector<std::u16string>;

struct Interpreted {
  DisplayList path;
  int32_t error = 0;
};

Interpreted Interpret(const Lines& lines, double unitFactor = 10) {
  Interpreted result;
  PathInterpreter interpreter(lines, unitFactor, ScanProgram(lines).hasM98H);
  result.error = interpreter.Run(result.path);
  return result;
}

size_t CountOf(const DisplayList& path, SegmentKind kind) {
  size_t count = 0;
  for (const Segment& segment : path.Segments()) count += segment.kind == kind ? 1 : 0;
  return count;
}

TEST(ProgramScanTest, CommentedEndDoesNotEndTheMainProgram) {
  const Lines lines{u"O1", u"(M30 AT THE END)", u"G90G00X0Y0", u"M98H5", u"M30", u"N5G01X1."};
  EXPECT_EQ(ScanProgram(lines), (ProgramScan{4, true}));
  EXPECT_EQ(ScanProgram({u"G00X1.", u"M98H5"}), ProgramScan{});  // no end: no main program
  // The interpretation goes on past the comment as well: the call reaches N5.
  EXPECT_EQ(CountOf(Interpret(lines).path, SegmentKind::Line), 1u);
}

TEST(PathInterpreterTest, ArcsByRadiusTakeTheShortOrLongWay) {
  const Interpreted shortWay = Interpret({u"G90G00X0Y0", u"G02X10.Y10.R10."});
  ASSERT_EQ(shortWay.path.Segments().size(), 1u);
  EXPECT_NEAR(shortWay.path.Segments()[0].centre.x, 10, 1e-9);
  EXPECT_NEAR(shortWay.path.Segments()[0].centre.y, 0, 1e-9);
  const Interpreted longWay = Interpret({u"G90G00X0Y0", u"G02X10.Y10.R-10."});
  ASSERT_EQ(longWay.path.Segments().size(), 1u);
  EXPECT_NEAR(longWay.path.Segments()[0].centre.x, 0, 1e-9);
  EXPECT_NEAR(longWay.path.Segments()[0].centre.y, 10, 1e-9);
  EXPECT_EQ(Interpret({u"G90G00X0Y0", u"G03X10.Y0"}).error,
            static_cast<int32_t>(DrawError::ArcWithoutCentre));
}

// Programs as people write them: blanks between words, a full circle by its centre alone, O and N
// labels of the same number, and a figure placed from the position a plain move reached.
TEST(PathInterpreterTest, DrawsCommonlyWrittenBlocksWhereTheyGo) {
  const Interpreted spaced =
      Interpret({u"G90 G00 X0 Y0", u"G01 X100. Y0", u"G91 X-50.", u"M30 (END)", u"G01X500."});
  EXPECT_EQ(CountOf(spaced.path, SegmentKind::Line), 2u);
  EXPECT_EQ(spaced.path.Segments().back().end.x, 50);

  const Interpreted circle = Interpret({u"G90G00X0Y0", u"G02I10.", u"M30"});
  EXPECT_EQ(CountOf(circle.path, SegmentKind::Circle), 1u);

  const Interpreted labels = Interpret({u"N1G90G00X0Y0", u"M98H20", u"M98P1", u"M30", u"N20G01X10.",
                                        u"M99", u"O1", u"G01Y10.", u"M99"});
  EXPECT_EQ(labels.error, 0);
  EXPECT_EQ(CountOf(labels.path, SegmentKind::Line), 2u);

  const Interpreted figure = Interpret({u"G90G00X100.Y50.", u"G112I8.", u"G128I20.J0K2", u"M30"});
  ASSERT_FALSE(figure.path.Segments().empty());
  for (const Segment& segment : figure.path.Segments()) EXPECT_NEAR(segment.end.y, 50, 8.001);
}

TEST(PathInterpreterTest, PunchHitsFollowAToolWordAndSkipG70) {
  const Interpreted cut = Interpret({u"G90G00X10.Y10.", u"X20."});
  EXPECT_EQ(CountOf(cut.path, SegmentKind::Hit), 0u);
  const Interpreted punch = Interpret({u"G90G00X10.Y10.T101", u"X20.", u"G70X30.", u"X40."});
  EXPECT_EQ(CountOf(punch.path, SegmentKind::Hit), 3u);
  EXPECT_EQ(CountOf(punch.path, SegmentKind::Rapid), 3u);  // none to the first position
}

TEST(PathInterpreterTest, GridReplaysTheMemoryAtEachPointInTraversalOrder) {
  const Interpreted grid = Interpret({u"G90G00X0Y0T1", u"U01", u"G00X0Y0", u"X5.", u"V01",
                                      u"G98X100.Y100.I10.J20.P1K1", u"G75W01Q1", u"M30"});
  std::vector<Point> hits;
  for (const Segment& segment : grid.path.Segments()) {
    if (segment.kind == SegmentKind::Hit) hits.push_back(segment.end);
  }
  // The first hit is the positioning's own; then two per grid point, rows along X, zig-zag.
  EXPECT_EQ(hits, (std::vector<Point>{{0, 0},
                                      {100, 100},
                                      {105, 100},
                                      {110, 100},
                                      {115, 100},
                                      {110, 120},
                                      {115, 120},
                                      {100, 120},
                                      {105, 120}}));
  EXPECT_EQ(grid.error, 0);
}

TEST(PathInterpreterTest, HostileCallsStopAtTheirLimitsWithAnErrorCode) {
  const Interpreted selfCall = Interpret({u"M98P1", u"M30", u"O1", u"G91G01X1.", u"M98P1", u"M99"});
  EXPECT_EQ(selfCall.error, static_cast<int32_t>(DrawError::CallTooDeep));
  EXPECT_EQ(CountOf(selfCall.path, SegmentKind::Line), kMaxReturnStack);

  Lines fanOut{u"M98P1", u"M30"};
  for (int level = 1; level <= 30; ++level) {
    const std::u16string next = u"M98P" + FromAscii(std::to_string(level + 1));
    fanOut.insert(fanOut.end(), {u"O" + FromAscii(std::to_string(level)), next, next, u"M99"});
  }
  PathInterpreter interpreter(fanOut, 10, false);
  interpreter.SetBlockLimit(100'000);  // the calls alone would run 2^30 blocks
  DisplayList path;
  EXPECT_EQ(interpreter.Run(path), static_cast<int32_t>(DrawError::TooMuchWork));

  // Two self-calls per level nest past the stack at once: the pass stops there instead of
  // skipping the call and walking the rest of the 2^50 tree (a fuzzer's find).
  PathInterpreter twice({u"O100", u"G91G00", u"M98P100", u"M98P100", u"M99"}, 10, false);
  twice.SetBlockLimit(100'000);
  DisplayList unused;
  EXPECT_EQ(twice.Run(unused), static_cast<int32_t>(DrawError::CallTooDeep));

  const Interpreted missing = Interpret({u"M98P9", u"G90G01X1.Y1.", u"M30"});
  EXPECT_EQ(missing.error, static_cast<int32_t>(DrawError::MissingLabel));
  EXPECT_EQ(CountOf(missing.path, SegmentKind::Line), 1u);
}

TEST(PathInterpreterTest, LinesAndSegmentsFindEachOther) {
  const Interpreted drawn = Interpret({u"G90G00X0Y0", u"G01X10.", u"G02X20.Y0I5.J0"});
  EXPECT_EQ(drawn.path.SegmentsOfLine(1), std::vector<size_t>{0});
  EXPECT_EQ(drawn.path.SegmentsOfLine(2), std::vector<size_t>{1});
  EXPECT_EQ(drawn.path.LineAt({15, 5.05}, 0.1), 2);           // the top of the clockwise half
  EXPECT_EQ(drawn.path.LineAt({15, -5}, 0.1), std::nullopt);  // the other half is not drawn
  EXPECT_EQ(drawn.path.LineAt({5, 0.05}, 0.1), 1);
}

}  // namespace
}  // namespace qv
