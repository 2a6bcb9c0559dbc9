#include <cmath>
#include <string>

#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "engine/EngineWords.h"
#include "engine/MoveTracking.h"

namespace qv {
namespace {

TEST(MoveTrackingTest, ValuesWithoutAPointAreInUnitsOfTheLastPrintedDigit) {
  EXPECT_EQ(ReadValue(u"1500", 2), 1.5);
  EXPECT_EQ(ReadValue(u"1500.0", 2), 1500);
  EXPECT_EQ(ReadValue(u"-15", 0), -1.5);
  EXPECT_EQ(ReadValue(u"15", 1), 0.15);
  EXPECT_EQ(ReadValue(u"15", 3), 0.0015);
  // Read exactly as a full decimal reading reads them.
  for (const char16_t* text : {u"0.1", u"-0.3", u"+3.", u"123456789.12345", u"1234567890123456.",
                               u".5", u"1e3.", u"-.", u"5.5.5"}) {
    EXPECT_EQ(ReadValue(text, 0), ToDouble(text)) << ToUtf8(text);
  }
  EXPECT_EQ(FormatValue(1.25, 0) + FormatValue(1.25, 1) + FormatValue(-2, 2) + FormatValue(3, 7),
            u"1.21.25-2.0003.0000");
}

class TrackMoveTest : public ::testing::Test {
 protected:
  // Takes the line's words and follows the move, as block generation does for a line with X or
  // Y (the motion given, as the line's G word would set it).
  void Move(std::u16string_view line, Motion motion) {
    EngineState& s = engine.State();
    s.modalMotion = motion;
    s.currentLine = line;
    WordFlagSetter(s.gFlags, s.mFlags).Set(line);
    ExtractWords(s, line);
    TrackMove(s, 2);
  }
  const MovePositions& At() { return engine.State().positions; }

  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
};

TEST_F(TrackMoveTest, WordsSkipTheDwellAndStopAtALetterWithoutValue) {
  EngineState& s = engine.State();
  ExtractWords(s, u"G04X2.5G01X10.Y-5.R+3I1.5J0Z1.");
  EXPECT_EQ(s.currentXY, u"X10.Y-5.R+3I1.5J0Z1.");
  EXPECT_EQ(s.wordValues,
            (std::array<std::u16string, 6>{u"10.", u"-5.", u"1.", u"+3", u"1.5", u"0"}));
  EXPECT_EQ(s.arcMode, 1);
  ExtractWords(s, u"X1.YR2.");
  EXPECT_EQ(s.currentXY, u"X1.");
  EXPECT_EQ(s.arcMode, 1);  // extraction stopped before the R
}

TEST_F(TrackMoveTest, RArcCentresLieRightOfTheChordWhateverTheMotion) {
  Move(u"G00X0Y0", Motion::G00);
  Move(u"G02X8.Y0R5.", Motion::G02);
  EXPECT_EQ(At().centre, (Point{4, -3}));
  Move(u"G00X0Y0", Motion::G00);
  Move(u"G03X8.Y0R-5.", Motion::G03);
  EXPECT_EQ(At().centre, (Point{4, -3}));
  // Touching circles and circles that do not meet both give the chord's midpoint.
  Move(u"G03X18.Y0R5.", Motion::G03);
  EXPECT_EQ(At().centre, (Point{13, 0}));
  Move(u"G03X38.Y0R5.", Motion::G03);
  EXPECT_EQ(At().centre, (Point{28, 0}));
  EXPECT_EQ(At().radius, 5);
}

TEST_F(TrackMoveTest, FiguresRecordTheirElementsAndBox) {
  EngineState& s = engine.State();
  Move(u"G00X10.Y0", Motion::G00);
  EXPECT_EQ(s.elementCount, 0);
  EXPECT_EQ(s.figureBox, Box{});
  // A full circle (start equals end) boxes the whole circle.
  Move(u"G02X10.Y0I-10.J0", Motion::G02);
  EXPECT_EQ(s.figureBox, (Box{-10, -10, 10, 10}));
  EXPECT_EQ(s.figureKind, 2);
  EXPECT_EQ(s.figureSize, 10);
  // Incremental: the missing Y is 0, not the previous value.
  Move(u"G91G01X5.", Motion::G01);
  EXPECT_EQ(At().end, (Point{15, 0}));
  EXPECT_EQ(s.figureSize, 5);
  EXPECT_EQ(s.arcMode, -1);
  // A move without motion code is recorded too, but has no size and does not grow the box.
  Move(u"G90X15.Y20.", Motion::None);
  EXPECT_EQ(s.figureKind, 0);
  ASSERT_EQ(s.elementCount, 3);
  EXPECT_EQ(s.elements[1], (PathElement{Motion::G01, {{10, 0}, {15, 0}, {}, 0}}));
  EXPECT_EQ(s.elements[2].motion, Motion::None);
  EXPECT_EQ(s.figureBox, (Box{-10, -10, 15, 10}));
}

}  // namespace
}  // namespace qv
