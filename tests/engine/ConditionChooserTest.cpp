#include <cmath>
#include <limits>
#include <string>

#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "engine/ConditionChooser.h"
#include "engine/ElementIntersection.h"

namespace qv {
namespace {

PathElement Segment(Point from, Point to) { return {Motion::G01, {from, to, {}, 0}}; }
PathElement Arc(Motion motion, Point from, Point to, Point centre, double r) {
  return {motion, {from, to, centre, r}};
}

class ConditionChooserTest : public ::testing::Test {
 protected:
  ConditionChooserTest() {
    MachiningCondition& c = store.condition;
    c.elementCodes = {u"E0", u"E1", u"E2", u"E3"};
    c.shapeCodes = {u"S0", u"S1", u"S2", u"S3"};
    c.workChute = 1;
    c.workChuteCode = u"WC";
    engine.State().classLimits = {10, 20, 30, 1, 2, 3};
    engine.State().workChuteSize = 5;
  }
  void Figure(std::initializer_list<PathElement> elements) {
    EngineState& s = engine.State();
    s.elementCount = 0;
    InitBox(s.figureBox);
    for (const PathElement& e : elements) {
      s.AddElement(e);
      ElementBox(ElementKind::Segment, e.geometry, s.figureBox);
    }
  }
  std::u16string Chute() {
    std::u16string text = u"M";
    chooser.DecideWorkChute(text);
    return text;
  }

  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
  ProcessLookBack lookBack{engine.State(), store.condition};
  ConditionChooser chooser{engine.State(), engine.Inputs(), lookBack};
};

TEST_F(ConditionChooserTest, SizeClassesIncludeTheirUpperLimit) {
  EXPECT_EQ(SizeClass(10, 10, 20, 30), 0);
  EXPECT_EQ(SizeClass(10.001, 10, 20, 30), 1);
  EXPECT_EQ(SizeClass(30, 10, 20, 30), 2);
  EXPECT_EQ(SizeClass(31, 10, 20, 30), 3);
  EXPECT_EQ(SizeClass(std::numeric_limits<double>::quiet_NaN(), 10, 20, 30), 3);
}

TEST_F(ConditionChooserTest, ElementsMeetWhereTheyShareAPoint) {
  const PathElement base = Segment({0, 0}, {10, 0});
  EXPECT_TRUE(ElementsIntersect(base, Segment({5, -5}, {5, 5})));     // crossing
  EXPECT_TRUE(ElementsIntersect(base, Segment({10, 0}, {10, 5})));    // joint
  EXPECT_TRUE(ElementsIntersect(base, Segment({5, 0}, {5, 5})));      // T-touch
  EXPECT_FALSE(ElementsIntersect(base, Segment({0, 1}, {10, 1})));    // parallel
  EXPECT_FALSE(ElementsIntersect(base, Segment({11, -5}, {11, 5})));  // beyond the end
  // The upper half of the circle of radius 5 about (5, 5), counter-clockwise from (10, 5): the
  // line y = 10 touches it, the line y = 0 touches only the lower half.
  const PathElement upper = Arc(Motion::G03, {10, 5}, {0, 5}, {5, 5}, 5);
  EXPECT_TRUE(ElementsIntersect(upper, Segment({0, 10}, {10, 10})));
  EXPECT_FALSE(ElementsIntersect(upper, base));
  // The same ends run clockwise make the lower half.
  EXPECT_TRUE(ElementsIntersect(Arc(Motion::G02, {10, 5}, {0, 5}, {5, 5}, 5), base));
  // A full circle, and arcs of two crossing circles (at y = 9.14): only the lower half of the
  // second circle reaches the crossing points.
  const PathElement circle = Arc(Motion::G02, {10, 5}, {10, 5}, {5, 5}, 5);
  EXPECT_TRUE(ElementsIntersect(circle, base));
  EXPECT_TRUE(ElementsIntersect(upper, Arc(Motion::G02, {9, 12}, {1, 12}, {5, 12}, 4)));
  EXPECT_FALSE(ElementsIntersect(upper, Arc(Motion::G03, {9, 12}, {1, 12}, {5, 12}, 4)));
  // A tiny radius makes a segment.
  EXPECT_TRUE(ElementsIntersect(Arc(Motion::G02, {5, -1}, {5, 1}, {}, 1e-7), base));
}

// Insertion on a class change is in the golden conversions; here what stops it.
TEST_F(ConditionChooserTest, ByElementSkipsRepeatsAndUnknownKinds) {
  EngineState& s = engine.State();
  store.record.skipSameCondition = 1;
  s.outputLines = {u"A", u"B"};
  s.lastCondition = u"E2";
  s.lastConditionClass = 0;
  s.figureKind = 1;
  s.figureSize = 25;
  std::u16string text;
  chooser.ChooseConditionByElement(true, text);  // new class, but the code repeats
  EXPECT_EQ(s.lastConditionClass, 2);
  EXPECT_EQ(s.cutConditionMarker, u"E2");
  s.figureKind = 0;
  s.figureSize = 25;
  chooser.ChooseConditionByElement(false, text);  // no element kind: only the reset
  EXPECT_EQ(s.figureSize, 0);
  EXPECT_EQ(text, u"");
  EXPECT_EQ(s.outputLines, (LineList{u"A", u"B"}));
}

TEST_F(ConditionChooserTest, ByShapeUsesTheLongSide) {
  std::u16string text;
  Figure({Segment({0, 0}, {25, 0}), Segment({25, 0}, {25, 5})});
  chooser.ChooseConditionByShape(text);
  EXPECT_EQ(text, u"S2");
  // A single point chooses nothing; an empty box reads as huge.
  Figure({Segment({1, 1}, {1, 1})});
  chooser.ChooseConditionByShape(text);
  Figure({});
  chooser.ChooseConditionByShape(text);
  EXPECT_EQ(text, u"S2S3");
  // A modal condition takes the converted condition of the process found before the figure.
  store.condition.conditionIsModal = 1;
  store.condition.punch = {u"M50", u"P1"};
  engine.State().expandedLines = {u"G00X1.Y1.", u"M50", u"G01X5."};
  engine.State().lineIndex = 2;
  Figure({Segment({0, 0}, {25, 0})});
  chooser.ChooseConditionByShape(text);
  EXPECT_EQ(text, u"S2S3P1");
  EXPECT_EQ(engine.State().processFoundLast, BlockKind::Punching);
}

TEST_F(ConditionChooserTest, WorkChuteWhenTheFigureClosesOnItself) {
  // Two elements always meet at their joint.
  Figure({Segment({0, 0}, {10, 0}), Segment({10, 0}, {10, 10})});
  EXPECT_EQ(Chute(), u"MWC");
  // Open: element 0 is tested against 2 only, and they do not meet.
  Figure({Segment({0, 0}, {10, 0}), Segment({10, 0}, {10, 10}), Segment({10, 10}, {0, 10})});
  EXPECT_EQ(Chute(), u"M");
  // Closed within the raised tolerance (0.005 apart), and the tolerances come back after it.
  Figure({Segment({0, 0}, {10, 0}), Segment({10, 0}, {10, 10}), Segment({10, 10}, {0.005, 0})});
  EXPECT_EQ(Chute(), u"MWC");
  EXPECT_EQ(Tolerances(), GeometryTolerances{});
  // A figure that is a single point has no size.
  Figure({Segment({3, 3}, {3, 3}), Segment({3, 3}, {3, 3})});
  EXPECT_EQ(Chute(), u"M");
  Figure({Segment({0, 0}, {10, 0}), Segment({10, 0}, {10, 10}), Segment({10, 10}, {0.005, 0})});
  // Not longer than the limit, or no chute asked for.
  engine.State().workChuteSize = 10;
  EXPECT_EQ(Chute(), u"M");
  engine.State().workChuteSize = 5;
  store.condition.workChute = 0;
  EXPECT_EQ(Chute(), u"M");
}

TEST_F(ConditionChooserTest, MarkersAreCutOutOfTheLastLineHoldingThem) {
  EngineState& s = engine.State();
  store.condition.workChute = 0;
  s.outputLines = {u"A[W]B", u"C[W]D", u"E"};
  chooser.ReplaceLastMarker(true, u"[W]");
  EXPECT_EQ(s.outputLines, (LineList{u"A[W]B", u"CD", u"E"}));
  store.condition.autoConditionBasis = 1;
  s.figureKind = 1;
  s.figureSize = 12;
  s.outputLines.push_back(u"[CUT-FIG-CONDITION]M32");
  chooser.ReplaceLastMarker(false, u"[CUT-FIG-CONDITION]");
  EXPECT_EQ(s.outputLines.back(), u"E1M32");
}

TEST_F(ConditionChooserTest, PlaceholdersTakeTheProgramVariablesOrTheDictionary) {
  EngineState& s = engine.State();
  store.condition.programVariables = {u"1", u"[C]", u"3", u""};
  EXPECT_EQ(ExpandPlaceholders(u"[A][B][A][D]", s, store.condition), u"131");
  s.dictionary = std::vector<DictionaryEntry>{{u"SUB", u"G01X1."}};
  s.subprogramName = u"SUB";
  EXPECT_EQ(ExpandPlaceholders(u"[D]", s, store.condition), u"M100[G01X1.]");
  store.condition.programVariables[3] = u"4";
  EXPECT_EQ(ExpandPlaceholders(std::u16string(254, u'x') + u"[D]", s, store.condition),
            std::u16string(254, u'x') + u"[");
}

}  // namespace
}  // namespace qv
