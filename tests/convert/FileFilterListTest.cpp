#include "TestSupport.h"
#include "convert/FileFilterList.h"
#include "settings/Settings.h"

namespace qv::test {
namespace {

const std::u16string kHead = u"全てのﾌｧｲﾙ(*.*)|*.*|";

TEST(FileFilterListTest, ParsesThePairsOfTheList) {
  const std::vector<FileFilter> filters = ParseFilterList(DefaultFileFilter());
  ASSERT_EQ(filters.size(), 11u);
  EXPECT_EQ(filters.front(), (FileFilter{u"全てのﾌｧｲﾙ(*.*)", u"*.*"}));
  EXPECT_EQ(filters.back(), (FileFilter{u"*.TAS", u"*.TAS"}));
}

TEST(FileFilterListTest, ANewExtensionIsSortedInAndSelected) {
  const std::u16string list = DefaultFileFilter();
  EXPECT_EQ(UpdateFilterList(list, 7, u"/w/PART.NC"), (FilterListUpdate{list, 7}));
  EXPECT_EQ(UpdateFilterList(list, 7, u"/w.d/PART"), (FilterListUpdate{list, 1}));

  FilterListUpdate cnc = UpdateFilterList(list, 1, u"/w/part.cnc");
  EXPECT_EQ(cnc.index, 4);
  EXPECT_EQ(cnc.list.substr(0, cnc.list.find(u"*.DAT")),
            kHead + u"*.001|*.001|*.009|*.009|*.CNC|*.CNC|");
  EXPECT_EQ(cnc.list.size(), list.size() + 12);

  const FilterListUpdate xyz = UpdateFilterList(list, 1, u"/w/PART.XYZ");
  EXPECT_EQ(xyz.index, 12);
  EXPECT_EQ(xyz.list.substr(list.size() - 13), u"*.TAS|*.TAS|*.XYZ|*.XYZ||");

  // Found anywhere after the first pair counts, inside a longer pattern too.
  const std::u16string noNc = kHead + u"*.NCD|*.NCD||";
  EXPECT_EQ(UpdateFilterList(noNc, 2, u"/w/A.nc"), (FilterListUpdate{noNc, 2}));
  const std::u16string onlyHead = kHead + u"|";
  EXPECT_EQ(UpdateFilterList(onlyHead, 1, u"/w/A.b"), (FilterListUpdate{kHead + u"*.B|*.B||", 2}));
}

TEST(FileFilterListTest, AGrownListIsCutToTheBuffer) {
  std::u16string list = kHead;
  for (int i = 0; i < 44; ++i) list += u"*.A" + FromAscii(std::to_string(100 + i)) + u"|*.x|";
  list += u"|";
  const FilterListUpdate update = UpdateFilterList(list, 1, u"/w/Z.ZZZ");
  EXPECT_EQ(update.list.size(), kFilterBufferSize - 1);
  EXPECT_EQ(update.list, list.substr(0, kFilterBufferSize - 1));
}

}  // namespace
}  // namespace qv::test
