#include <array>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "macro/CGMacroChg.h"

namespace qv {
namespace {

class NormalizationTest : public ::testing::Test {
 protected:
  NormalizationTest() { engine.SetHeadCommentList(&headComments); }

  // Runs normalization on the program with the given code pairs, as a run feeds them after
  // the reset; returns the pass result.
  int32_t Run(LineList program,
              const std::vector<std::pair<std::u16string, std::u16string>>& pairs) {
    engine.ResetForRun();
    engine.State().sourceLines = std::move(program);
    for (const auto& [from, to] : pairs) engine.AddCodePair(from, to);
    return engine.Normalize();
  }
  LineList Normalized(LineList program,
                      const std::vector<std::pair<std::u16string, std::u16string>>& pairs = {}) {
    EXPECT_EQ(Run(std::move(program), pairs), 0);
    return engine.State().normalizedLines;
  }
  void KeepCodes(std::initializer_list<int32_t> gNumbers) {
    for (const int32_t n : gNumbers) keep.remain1Codes.push_back({u'G', n});
  }

  PostStore store;
  Settings settings;
  KeepLists keep;
  LineList headComments;
  CQuorvalenDB engine{store, settings, keep};
};

// Every step on one program. By hand: the head (up to the first G92/G91/G90) is cut with its
// comment; ";" goes; M30 ends the main program, so the O100 body called by M98P100 gets the
// positioning line last seen before that call, marked G01G02G03. Each line is then rebuilt:
// pairs replace their text, G28/G90 are kept codes, G92 and unpaired M words drop, X/Y stay.
TEST_F(NormalizationTest, NormalizesAWholeProgram) {
  keep.remain1Codes = {{u'G', 4}, {u'G', 28}, {u'G', 90}, {u'M', 30}};
  const LineList result =
      Normalized({u"%", u"O1234(PLATE A)", u"G92X1000.Y500.", u"G90G00X10.Y10.;M50", u"G28X0.Y0.",
                  u"M70", u"M98P100", u"M30", u"O100", u"G01X5.", u"M99"},
                 {{u"M50", u"M101"},
                  {u"M60", u"M110"},
                  {u"M61", u"M110"},
                  {u"G00", u"G00"},
                  {u"G01", u"G01"},
                  {u"G02", u"G02"},
                  {u"G03", u"G03"},
                  {u"M30", u"M30"},
                  {u"M99", u"M99"},
                  {u"M70", u"[CUT-FIG-CONDITION]"}});
  EXPECT_EQ(result,
            (LineList{u"X1000.Y500.", u"G90G00X10.Y10.M101", u"G28X0.Y0.", u"[CUT-FIG-CONDITION]",
                      u"M30", u"G90G00X10.Y10.M101G01G02G03", u"G01X5.", u"M99"}));
  EXPECT_EQ(headComments, LineList{u"(PLATE A)"});
  EXPECT_EQ(engine.State().expandedLines,
            (LineList{u"G92X1000.Y500.", u"G90G00X10.Y10.M50", u"G28X0.Y0.", u"M70", u"M98P100",
                      u"M30", u"O100", u"G90G00X10.Y10.M50G01G02G03", u"G01X5.", u"M99"}));
  LineList withoutMarker = result;
  std::erase(withoutMarker, u"[CUT-FIG-CONDITION]");
  EXPECT_EQ(engine.State().sourceLines, withoutMarker);
  EXPECT_EQ(engine.State().matchCount, 11);
}

// The word flags are unset line by line rather than cleared in full: after the run they hold
// the last line's G and M words and nothing of earlier lines or of before the run.
TEST_F(NormalizationTest, WordFlagsHoldTheLastLineOnly) {
  engine.ResetForRun();
  engine.State().gFlags[7] = 1;
  engine.State().sourceLines = {u"G90", u"G04M50X1.", u"G01M61X2."};
  ASSERT_EQ(engine.Normalize(), 0);
  std::array<int32_t, kFlagCount> g{};
  std::array<int32_t, kFlagCount> m{};
  g[1] = 1;
  m[61] = 1;
  EXPECT_EQ(engine.State().gFlags, g);
  EXPECT_EQ(engine.State().mFlags, m);
}

TEST_F(NormalizationTest, HeadAndTail) {
  KeepCodes({90});
  store.record.deleteAfterM30 = 1;
  // A comment line does not end the program; a later M02 does, and is kept.
  EXPECT_EQ(Normalized({u"(HEAD)", u"A)B(C", u"G90", u"M30(END)", u"X1.", u"M02", u"X2."},
                       {{u"M02", u"M02"}}),
            (LineList{u"G90", u"X1.", u"M02"}));
  EXPECT_EQ(headComments, (LineList{u"(HEAD)", u""}));
  EXPECT_EQ(Normalized({u"X1.", u"(C)G28"}), LineList{});
}

TEST_F(NormalizationTest, ExpandsMacrosWithThePostsOptions) {
  store.record.decimalIndex = 2;
  store.record.cutterSide = 1;
  const LineList program{u"G90", u"G112X50.Y50.I10.", u"M30"};
  Run(program, {});
  LineList expected = program;
  CGMacroChg macro;
  macro.SetOptions({2, 0, 1});
  ASSERT_EQ(macro.ExpandInPlace(expected), 1);
  EXPECT_EQ(engine.State().expandedLines, expected);
}

TEST_F(NormalizationTest, SubprogramStartPositions) {
  // Calls by sequence number: the copy of "N10G00X1.Y1." holds the label again but is never
  // taken for one.
  Run({u"G90", u"N10G00X1.Y1.", u"M98H10", u"M30", u"N10", u"G01X5.", u"M99"}, {});
  EXPECT_EQ(engine.State().expandedLines,
            (LineList{u"G90", u"N10G00X1.Y1.", u"M98H10", u"M30", u"N10", u"N10G00X1.Y1.G01G02G03",
                      u"G01X5.", u"M99"}));
  // Numbers compare as integers; no positioning before the call gives the bare marker; a body
  // cut off by M99 or without a call gets nothing.
  Run({u"G90", u"M98P0020", u"M98P30", u"M30", u"O20", u"G01X1.", u"M99", u"O30", u"M99", u"O40",
       u"G01X2.", u"M99"},
      {});
  EXPECT_EQ(engine.State().expandedLines,
            (LineList{u"G90", u"M98P0020", u"M98P30", u"M30", u"O20", u"G01G02G03", u"G01X1.",
                      u"M99", u"O30", u"M99", u"O40", u"G01X2.", u"M99"}));
}

TEST_F(NormalizationTest, SearchTextsAndWildcards) {
  // "G0" never matches inside G01, "G0*" does and takes the rest; the first pair in table
  // order wins at a position; "N????" takes N and its digits.
  EXPECT_EQ(Normalized({u"G90", u"G01X1.", u"G0X1.", u"X1.N0010Y2.", u"N12345X1."},
                       {{u"G0", u"P"}, {u"G0*", u"S"}, {u"N????", u""}}),
            (LineList{u"S", u"PX1.", u"X1.Y2.", u"X1."}));
  // Texts that consume no characters move the walk on instead of stalling it.
  EXPECT_EQ(Normalized({u"G90", u"5X1."}, {{u"?", u"Q"}}), (LineList{u"Q", u"QX1."}));
  keep.remain1Strings = {u"???"};
  EXPECT_EQ(Normalized({u"G90", u"AB12"}), (LineList{u"12"}));
}

TEST_F(NormalizationTest, GCodesAndCoordinates) {
  KeepCodes({4});  // slots hold 4, and 0 while fewer than 100 entries exist
  EXPECT_EQ(
      Normalized({u"G90", u"G00I5.", u"G04Q5.", u"G28R5.", u"R+5.", u"M08R5.", u"G28R5.X1.",
                  u"G100I1.", u"G120", u"GX1.", u"G92X1.Y2.G91"}),
      (LineList{u"I5.", u"G04Q5.", u"R+5.", u"R5.X1.", u"G100I1.", u"G120", u"X1.", u"G91X1.Y2."}));
  store.record.coordinateMode = 1;  // leave G92 as it is
  EXPECT_EQ(Normalized({u"G92X1.Y2."}), LineList{u"G92X1.Y2."});
  keep.remain1Codes.clear();
  for (int32_t n = 200; n < 300; ++n) keep.remain1Codes.push_back({u'G', n});
  EXPECT_EQ(Normalized({u"G90", u"G00I5.", u"G04I5."}), LineList{});
}

TEST_F(NormalizationTest, KeepPatterns) {
  keep.remain1Strings = {u"N????", u"O????", u"P????"};
  EXPECT_EQ(Normalized({u"G90", u"X1.N0010", u"N001234", u"GOTO1234", u"M98P9001", u"M98P1000"}),
            (LineList{u"N0010", u"GOTO1234", u"P1000"}));
}

TEST_F(NormalizationTest, ModalConditionsKeepEveryLineAndStopAtProcessCodes) {
  KeepCodes({90});
  store.condition.conditionIsModal = 1;
  store.condition.punch = {u"M50", u"M101"};
  store.condition.marking = {u"M60", u"M110", u"M61"};
  EXPECT_EQ(Normalized({u"G90", u"G00X1.Y1.M50", u"G28", u"G00X2.Y2.", u"G00X3.Y3.M50M61"},
                       {{u"M50", u"M101"}, {u"G00", u"G00"}}),
            (LineList{u"G90", u"\r\n", u"\r\n", u"G00X2.Y2.", u"\r\n"}));
  EXPECT_EQ(engine.State().processFoundLast, BlockKind::Marking);  // marking codes come first
  EXPECT_EQ(engine.State().sourceLines.size(), 5u);
}

TEST_F(NormalizationTest, TheMatchTableHoldsItsCapacityAndNoMore) {
  LineList program(kMaxMatches / 2, u"G90X1.");
  const std::vector<std::pair<std::u16string, std::u16string>> pairs{{u"G90", u"G90"},
                                                                     {u"X1.", u"X1."}};
  ASSERT_EQ(Run(program, pairs), 0);
  EXPECT_EQ(engine.State().matchCount, kMaxMatches);
  EXPECT_EQ(engine.State().matchLine[kMaxMatches - 1], kMaxMatches / 2 - 1);
  program.push_back(u"G90");
  EXPECT_EQ(Run(program, pairs), -1);
  EXPECT_TRUE(engine.State().normalizedLines.empty());
}

}  // namespace
}  // namespace qv
