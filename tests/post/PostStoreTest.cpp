// The store's name helpers and the derived fields of the post record.
#include <filesystem>

#include "platform/Codec.h"
#include "post/PostStore.h"
#include "post/PostTestFixture.h"

namespace qv::test {
namespace {

TEST(PostStoreTest, DerivedHeadLineNeedsBothProgramFields) {
  PostRecord r;
  r.programAddress = u"O";
  EXPECT_EQ(DerivedHeadLine1b(r), u"");
  r.comment = u"部品A";
  EXPECT_EQ(DerivedHeadLine1b(r), u"(部品A)");
  r.programNumber = u"1234";
  EXPECT_EQ(DerivedHeadLine1b(r), u"O1234(部品A)");
}

TEST(PostStoreTest, DerivedCoordinateLineTakesTheGivenAxes) {
  PostRecord r;
  EXPECT_EQ(DerivedCoordinateLine(r), u"G92");
  r.g92Y = u"1250.";
  r.coordinateCode2 = u"G93";
  r.coordinateX2 = u"10.";
  EXPECT_EQ(DerivedCoordinateLine(r), u"G92Y1250.;G93X10.");
  r.coordinateMode = 1;
  EXPECT_EQ(DerivedCoordinateLine(r), u"");
}

TEST(PostStoreTest, ThicknessCountEndsAtTheFirstEmptySlot) {
  PostStore store;
  store.thicknessNames[3] = {u"1.0", u"2.0", u"", u"4.0"};
  EXPECT_EQ(ThicknessCountOf(store, 3), 2);
  store.thicknessNames[29].fill(u"x");
  EXPECT_EQ(ThicknessCountOf(store, 29), kMaxThicknesses);
  EXPECT_EQ(ThicknessCountOf(store, 30), 0);
  EXPECT_EQ(ThicknessCountOf(store, -1), 0);
}

class ShippedPostTest : public PostFileFixture {};

// The shipped posts hold derived fields as the main dialog would write them.
TEST_F(ShippedPostTest, DerivedFieldsAgreeWithTheirSources) {
  UseShippedFile();
  ASSERT_EQ(Load(u""), PostFileStatus::Ok);
  ASSERT_EQ(store_.postCount, 2);
  const PostNameTable names = store_.postNames;
  for (int i = 0; i < store_.postCount; ++i) {
    ASSERT_EQ(Load(names[static_cast<size_t>(i)]), PostFileStatus::Ok);
    EXPECT_EQ(store_.record.headLine1b, DerivedHeadLine1b(store_.record));
    EXPECT_EQ(store_.record.coordinateLine, DerivedCoordinateLine(store_.record));
    EXPECT_EQ(store_.record.punchConvertedCondition, store_.condition.punch[1]);
    EXPECT_EQ(store_.record.markConvertedCondition, store_.condition.marking[1]);
    EXPECT_EQ(FindMaterial(store_, store_.material.oldName), 0);
  }
}

}  // namespace
}  // namespace qv::test
