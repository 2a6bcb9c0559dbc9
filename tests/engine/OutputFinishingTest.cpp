// The string pass and the subprogram origin pass over hand-written converted programs.
#include <string>

#include "TestSupport.h"
#include "engine/StringPass.h"
#include "engine/SubprogramOriginPass.h"

namespace qv {
namespace {

class OutputFinishingTest : public ::testing::Test {
 protected:
  PostStore store;
  Settings settings;
  KeepLists keep;
  EngineInputs inputs{store, settings, keep};
  EngineState state;
};

TEST_F(OutputFinishingTest, StringPassAppliesCodesAndSplitsAtSemicolons) {
  state.stringFrom = {u"AB", u"", u"CUT"};
  state.stringTo = {u"C", u"Z", u"X"};
  const LineList lines{u"ABAB",
                       u"A;B;",
                       u";A",
                       u"",
                       u"[CUT-FIG-CONDITION]",
                       u"X1.;G00G01G02G03;Y1.",
                       u"G00X1.G01G02G03",
                       u"\x01\x02"};
  state.outputLines = lines;
  ApplyStringCodes(state, inputs);
  EXPECT_EQ(state.outputLines, (LineList{u"CC", u"A", u"B", u"", u"A", u"[CUT-FIG-CONDITION]",
                                         u"X1.", u"Y1.", u"\x01\x02"}));
  // With a modal condition a line of control characters only goes.
  store.condition.conditionIsModal = 1;
  state.outputLines = {u"\x01\x02", u"\r\n", u"M30"};
  ApplyStringCodes(state, inputs);
  EXPECT_EQ(state.outputLines, LineList{u"M30"});
}

// Worked by hand: O101's first G00 gives the shift (3, 4), set after its label and added to both
// positionings before its calls; O102 has no G00 before its M99, so its call is left alone. The
// grid lines of call 2 go after the first move between call 2 and the main program's end, those
// of call 1 after the first move between calls 1 and 2.
TEST_F(OutputFinishingTest, OriginPassShiftsCallsAndInsertsGridLines) {
  store.record.decimalIndex = 2;
  const LineList lines{u"%",
                       u"G90G00X100.Y50.",
                       u"M98P101",
                       u"G01Y1.",
                       u"G90G00X20.Y0.",
                       u"M98P101",
                       u"G01X5.",
                       u"G90G00X10.Y10.",
                       u"M98P102",
                       u"M30",
                       u"O101",
                       u"G00X3.Y4.",
                       u"M12",
                       u"M99",
                       u"O102",
                       u"M12",
                       u"M99"};
  SubprogramOrigins& origins = state.subprogramOrigins;
  origins = {true, {u"G90G00X0Y0", u"G90G00X0Y1"}, {u"G92X1.", u"G92X2."}, {}};
  state.outputLines = lines;
  ASSERT_EQ(SetSubprogramOrigins(state, inputs), 0);
  EXPECT_EQ(state.outputLines, (LineList{u"%",
                                         u"G90G00X103.000Y54.000",
                                         u"M98P101",
                                         u"G01Y1.",
                                         u"G90G00X0Y0",
                                         u"G92X1.",
                                         u"G90G00X23.000Y4.000",
                                         u"M98P101",
                                         u"G01X5.",
                                         u"G90G00X0Y1",
                                         u"G92X2.",
                                         u"G90G00X10.Y10.",
                                         u"M98P102",
                                         u"M30",
                                         u"O101",
                                         u"G92X3.000Y4.000",
                                         u"G00X3.Y4.",
                                         u"M12",
                                         u"M99",
                                         u"O102",
                                         u"M12",
                                         u"M99"}));
  EXPECT_EQ(origins.callIndexes, (std::vector<int32_t>{2, 5, 9}));

  // Grid lists shorter than the calls stop the insertion at the last call.
  origins = {true, {u"G90G00X0Y0"}, {}, {}};
  state.outputLines = lines;
  ASSERT_EQ(SetSubprogramOrigins(state, inputs), 0);
  EXPECT_EQ(state.outputLines.size(), lines.size() + 1);

  // Not after a pattern subprogram conversion: nothing changes.
  origins.pending = false;
  state.outputLines = lines;
  ASSERT_EQ(SetSubprogramOrigins(state, inputs), 0);
  EXPECT_EQ(state.outputLines, lines);
}

TEST_F(OutputFinishingTest, OriginPassWithG93ConversionSetsTheFirstOriginLine) {
  store.record.coordinateMode = 1;
  state.subprogramOrigins = {true, {u"G92X0Y0"}, {}, {}};
  state.outputLines = {u"G00Y2.", u"M98P7", u"M02", u"O7", u"G00X1.", u"M99"};
  ASSERT_EQ(SetSubprogramOrigins(state, inputs), 0);
  EXPECT_EQ(state.outputLines,
            (LineList{u"G90G00X0.0Y2.0", u"M98P7", u"M02", u"O7", u"G92X0Y0", u"G00X1.", u"M99"}));
  // Needing an origin line when the list is empty fails the conversion.
  state.subprogramOrigins = {true, {}, {}, {}};
  state.outputLines = {u"G00Y2.", u"M98P7", u"M02", u"O7", u"G00X1.", u"M99"};
  EXPECT_EQ(SetSubprogramOrigins(state, inputs), -1);
}

}  // namespace
}  // namespace qv
