#include <string>

#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"

namespace qv {
namespace {

class CQuorvalenDBTest : public ::testing::Test {
 protected:
  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
  test::TempDir dir;
  std::u16string specialCodes = dir.File("Quorvalen1.pst");
};

TEST_F(CQuorvalenDBTest, DictionaryOfTheSelectedPost) {
  test::WriteBytes(specialCodes,
                   "POST-A\r\n1\r\nM102(SUB1) M100[A]\r\n"
                   "POST-B\r\n3\r\nM102(SUB1) M100[G01X5.]\r\nM102(SUB2) \r\njunk M100[Y]\r\n"
                   "POST-C\r\n0\r\n");
  store.post.newName = u"POST-B";
  engine.State().sourceLines = {u"G90", u"M102(SUB1", u"X1.M102(SUB1)M102(OTHER)"};
  engine.PrepareDictionary(specialCodes);
  EXPECT_EQ(engine.State().subprogramName, u"SUB1");
  EXPECT_EQ(engine.State().dictionary, (std::vector<DictionaryEntry>{{u"SUB1", u"G01X5."}}));
  EXPECT_EQ(engine.LookupDictionary(u"SUB1"), u"M100[G01X5.]");
  EXPECT_EQ(engine.LookupDictionary(u"SUB2"), u"");
  EXPECT_EQ(engine.LookupDictionary(u""), u"");

  // A block of count 0, and a missing file, leave the dictionary empty; no M102 line leaves
  // the name empty.
  store.post.newName = u"POST-C";
  engine.State().sourceLines = {u"G90"};
  engine.PrepareDictionary(specialCodes);
  EXPECT_EQ(engine.State().subprogramName, u"");
  EXPECT_EQ(engine.State().dictionary, std::vector<DictionaryEntry>{});
  store.post.newName = u"POST-B";
  engine.PrepareDictionary(dir.File("absent.pst"));
  EXPECT_EQ(engine.State().dictionary, std::vector<DictionaryEntry>{});
}

TEST_F(CQuorvalenDBTest, ResetClearsTheRunAndKeepsTheProgramAndFigure) {
  EngineState& s = engine.State();
  EXPECT_FALSE(s.dictionary.has_value());
  store.record.sequenceNumber = 500;
  s.sourceLines = {u"G90"};
  s.viewLines = {u"V"};
  s.normalizedLines = s.outputLines = {u"X"};
  engine.AddCodePair(u"A", u"B");
  engine.AddStringCodePair(u"C", u"D");
  s.AddMatch(0, 1, 2, 0);
  s.gFlags[5] = 1;
  s.AddElement({Motion::G01, {}});
  s.processFoundLast = BlockKind::Punching;
  s.incremental = 1;
  s.modalMotion = Motion::G02;
  s.positions.end = {3, 4};
  engine.ResetForRun();
  EXPECT_EQ(s.sourceLines, LineList{u"G90"});
  EXPECT_EQ(s.viewLines, LineList{u"V"});
  EXPECT_TRUE(s.normalizedLines.empty() && s.outputLines.empty() && s.codeFrom.empty() &&
              s.codeTo.empty() && s.stringFrom.empty() && s.stringTo.empty());
  EXPECT_EQ(s.codeCount, 0);
  EXPECT_EQ(s.matchCount, 0);
  EXPECT_EQ(s.matchEnd[0], 0);
  EXPECT_EQ(s.gFlags[5], 0);
  EXPECT_EQ(s.elementCount, 1);
  EXPECT_EQ(s.processFoundLast, BlockKind::Punching);
  EXPECT_EQ(s.incremental, -1);
  EXPECT_EQ(s.modalMotion, Motion::None);
  EXPECT_EQ(s.positions.end, Point{});
  EXPECT_EQ(s.sequenceNumber, 500);
}

TEST_F(CQuorvalenDBTest, LimitsAreReadAsWrittenForTheChosenBasis) {
  MachiningCondition& c = store.condition;
  c.autoConditionBasis = 1;
  c.lineLengthLimits = {u"10", u"20.5", u"1e2"};
  c.arcRadiusLimits = {u"5", u"x", u"7abc"};
  c.longSideLimits = {u"100", u"200", u"300"};
  c.workChuteMinLength = u"12";
  engine.LoadClassLimits();
  EXPECT_EQ(engine.State().classLimits, (std::array<double, 6>{10, 20.5, 100, 5, 0, 7}));
  c.autoConditionBasis = 0;
  engine.LoadClassLimits();
  EXPECT_EQ(engine.State().classLimits, (std::array<double, 6>{100, 200, 300, 5, 0, 7}));
  engine.LoadWorkChuteSize();
  EXPECT_EQ(engine.State().workChuteSize, 12);
}

TEST_F(CQuorvalenDBTest, AccessorsRefuseIndexesOutsideTheList) {
  engine.State().sourceLines = {u"S"};
  engine.State().outputLines = {u"O"};
  engine.State().viewLines = {u"V"};
  std::u16string out = u"unchanged";
  EXPECT_EQ(engine.GetOutputLine(-1, out), -1);
  EXPECT_EQ(engine.GetSourceLine(1, out), -1);
  EXPECT_EQ(engine.GetNormalizedLine(0, out), -1);
  EXPECT_EQ(engine.GetDisplayLine(0, out), -1);  // no display mode chosen
  EXPECT_EQ(out, u"unchanged");
  std::u16string shown;
  for (int32_t mode = 1; mode <= 3; ++mode) {
    engine.SetDisplayMode(mode);
    ASSERT_EQ(engine.GetDisplayLine(0, out), 0);
    shown += out;
  }
  EXPECT_EQ(shown, u"SOV");
}

TEST_F(CQuorvalenDBTest, ALongFigureKeepsItsFirstElementsOnly) {
  EngineState& s = engine.State();
  for (int32_t i = 1; i <= 40000; ++i) s.AddElement({Motion::G01, {{}, {double(i), 0}, {}, 0}});
  EXPECT_EQ(s.elementCount, kMaxElements);
  EXPECT_EQ(s.elements.back().geometry.end.x, kMaxElements);
}

}  // namespace
}  // namespace qv
