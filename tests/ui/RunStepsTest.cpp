// The run's source fix-ups: the G92 line a program gets, and the post's coordinate lines.
#include <gtest/gtest.h>

#include "ui/RunSteps.h"

namespace qv::test {
namespace {

TEST(RunStepsTest, DefaultG92GoesBeforeTheFirstUncommentedG) {
  LineList lines{u"%", u"(PART G01)", u"(A) G00X1.", u"M30"};
  EXPECT_TRUE(EnsureG92Line(lines));
  // "(PART G01)": its first G stands between "(" and ")"; "(A) G00X1.": no ")" after its G.
  EXPECT_EQ(lines, (LineList{u"%", u"(PART G01)", u"G92X0Y0", u"(A) G00X1.", u"M30"}));

  LineList kept{u"G90", u"G92X5."};
  EXPECT_FALSE(EnsureG92Line(kept));
  LineList none{u"%", u"M30"};
  EXPECT_FALSE(EnsureG92Line(none));
  EXPECT_EQ(none, (LineList{u"%", u"M30"}));
}

TEST(RunStepsTest, G92LinesAreReplacedOnceEvenWhenTheSecondCodeHoldsG92) {
  PostRecord record;
  record.g92X = u"1270.";
  record.coordinateCode2 = u"G92.1";
  record.coordinateY2 = u"5.";
  LineList lines{u"G92X0Y0", u"G00X1.", u"G92X3."};
  SetG92Lines(lines, record);
  EXPECT_EQ(lines, (LineList{u"G92X1270.", u"G92.1Y5.", u"G00X1.", u"G92X1270.", u"G92.1Y5."}));

  record.coordinateCode2.clear();
  LineList single{u"G92X0Y0"};
  SetG92Lines(single, record);
  EXPECT_EQ(single, LineList{u"G92X1270."});
}

}  // namespace
}  // namespace qv::test
