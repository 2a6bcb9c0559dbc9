#include "TestSupport.h"
#include "platform/Codec.h"
#include "settings/KeepLists.h"

namespace qv {
namespace {

class KeepListsTest : public ::testing::Test {
 protected:
  int32_t LoadFrom(std::string_view bytes) {
    test::WriteBytes(path_, bytes);
    return LoadKeepLists(path_, lists_);
  }
  test::TempDir dir_;
  std::u16string path_ = dir_.File("ReadOnly.dat");
  KeepLists lists_;
};

TEST_F(KeepListsTest, ReadsEveryKeyAfterTheHeader) {
  ASSERT_EQ(LoadFrom("OCodeCheckCounter 99 header is skipped\r\n"
                     "OCodeCheckCounter 3\r\n"
                     "Remain1Code G28 \"G 28\" X10 M30 g04\r\n"
                     "Remain1String N???? \"A B\"\r\n"
                     "Unknown G50\r\n"
                     "OCodeCheckCounter 5 7\r\n"),
            0);
  EXPECT_EQ(lists_.oCodeCheckCounter, 7);  // the last value wins
  EXPECT_EQ(lists_.remain1Codes, (std::vector<Remain1Code>{{u'G', 28}, {u'G', 28}, {u'M', 30}}));
  EXPECT_EQ(lists_.remain1Strings, (std::vector<std::u16string>{u"N????", u"A B"}));
}

TEST_F(KeepListsTest, RefusesCodesBeyondTheStore) {
  std::string text = "header\r\nRemain1Code";
  for (int i = 0; i < 105; ++i) text += " M" + std::to_string(i);
  text += "\r\nRemain1Code G1\r\n";
  ASSERT_EQ(LoadFrom(text), 0);
  ASSERT_EQ(lists_.remain1Codes.size(), 100u);
  EXPECT_EQ(lists_.remain1Codes.back(), (Remain1Code{u'M', 99}));
}

TEST_F(KeepListsTest, MissingFileOrHeaderLeavesTheListsEmpty) {
  lists_.oCodeCheckCounter = 4;
  EXPECT_EQ(LoadKeepLists(dir_.File("absent.dat"), lists_), -1);
  EXPECT_EQ(lists_, KeepLists{});
  EXPECT_EQ(LoadFrom(""), -1);
  EXPECT_EQ(lists_, KeepLists{});
}

TEST(ShippedKeepListsTest, ShippedFileLoads) {
  KeepLists lists;
  EXPECT_EQ(LoadKeepLists(FromUtf8(QV_SHIPPED_DATA_DIR "/ReadOnly.dat"), lists), 0);
  EXPECT_FALSE(lists.remain1Codes.empty());
}

}  // namespace
}  // namespace qv
