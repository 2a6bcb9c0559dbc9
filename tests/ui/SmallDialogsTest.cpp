#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "ui/CAboutDlg.h"
#include "ui/CParameter.h"
#include "ui/QuorvalenDlg1.h"

namespace qv::test {
namespace {

class FakeListView : public UnconvertibleView {
 public:
  void ShowLines(const std::vector<std::u16string>& shown) override { lines = shown; }
  std::vector<std::u16string> lines;
};

class FakeParameterView : public ParameterView {
 public:
  void ShowVersionLine(const std::u16string& line) override { versionLine = line; }
  void ShowResolutions(const std::array<std::u16string_view, 4>& shown, int32_t index) override {
    items.assign(shown.begin(), shown.end());
    selected = index;
  }
  int32_t SelectedResolution() const override { return selected; }

  std::u16string versionLine;
  std::vector<std::u16string> items;
  int32_t selected = -2;
};

const std::vector<std::u16string> kHeadLines = {
    u"変換できないマクロまたはコードが 0 個あります", u" ",
    u"「ポスト編集」内の「特殊変換コード」の設定で対応して下さい", u" ", u"[LINE]  [CODE]"};

TEST(QuorvalenDlg1Test, ShowsTheFiveHeadLinesThenEveryEntry) {
  std::vector<std::u16string> written;
  const auto writer = [&](const std::u16string& line) { written.push_back(line); };
  FakeListView view;
  const std::vector<std::u16string> none;
  QuorvalenDlg1 empty(view, 0, none, false, writer);
  EXPECT_FALSE(empty.Open());
  EXPECT_EQ(view.lines, kHeadLines);

  const std::vector<std::u16string> entries = {u"    12  G65P9001", u"    40  M198"};
  QuorvalenDlg1 two(view, 2, entries, false, writer);
  EXPECT_FALSE(two.Open());
  ASSERT_EQ(view.lines.size(), 7u);
  EXPECT_EQ(view.lines[0], u"変換できないマクロまたはコードが 2 個あります");
  EXPECT_EQ(view.lines[5], entries[0]);
  EXPECT_EQ(view.lines[6], entries[1]);
  EXPECT_TRUE(written.empty());
}

TEST(QuorvalenDlg1Test, AutomaticModeWritesOnlyTheResultLineAndCloses) {
  std::vector<std::u16string> written;
  FakeListView view;
  const std::vector<std::u16string> entries = {u"a", u"b", u"c"};
  QuorvalenDlg1 dialog(view, 3, entries, true,
                       [&](const std::u16string& line) { written.push_back(line); });
  EXPECT_TRUE(dialog.Open());
  EXPECT_EQ(written, (std::vector<std::u16string>{
                         u"112 変換できないマクロまたはコードが 3 個あります。"
                         u"「ポスト編集」内の「特殊変換コード」の設定で対応して下さい"}));
  EXPECT_TRUE(view.lines.empty());
}

TEST(CParameterTest, ShowsTheStoredChoiceAndOnlyOkStoresIt) {
  Settings settings;
  settings.crtSize = 2;
  FakeParameterView view;
  CParameter dialog(settings, view, u"1.69");
  dialog.Open();
  EXPECT_EQ(view.versionLine, u"Drevmark version 1.69");
  EXPECT_EQ(view.items, (std::vector<std::u16string>{u"1024 x  768", u"1280 x  720", u"1920 x 1080",
                                                     u"2560 x 1440"}));
  EXPECT_EQ(view.selected, 2);

  view.selected = 3;
  EXPECT_TRUE(dialog.Cancel());
  EXPECT_EQ(settings.crtSize, 2);
  EXPECT_TRUE(dialog.Ok());
  EXPECT_EQ(settings.crtSize, 3);
  view.selected = -1;  // nothing selected is stored as it is
  dialog.Ok();
  EXPECT_EQ(settings.crtSize, -1);
}

TEST(CAboutDlgTest, VersionReplacesTheLastFourCharacters) {
  EXPECT_EQ(VersionLine(kVersionLineTemplate, u"2.05"), u"Drevmark version 2.05");
  EXPECT_EQ(VersionLine(u"abc", u"1.69"), u"1.69");
  FakeParameterView view;
  CAboutDlg about(view, u"1.69");
  about.Open();
  EXPECT_EQ(view.versionLine, u"Drevmark version 1.69");
}

}  // namespace
}  // namespace qv::test
