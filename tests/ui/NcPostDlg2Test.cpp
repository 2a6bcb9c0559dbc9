// The special code II dialog through a fake view: pages of 60 pairs, the page rules, blanks
// removed on storing, and the file written whole only on OK.
#include <array>
#include <filesystem>

#include "ScriptedInteraction.h"
#include "post/PostTestFixture.h"
#include "ui/NcPostDlg2.h"

namespace qv::test {
namespace {

class FakePairView : public SpecialCodeView {
 public:
  std::u16string Text(PairColumn column, int32_t row) const override {
    return Column(column)[static_cast<size_t>(row)];
  }
  void SetText(PairColumn column, int32_t row, std::u16string_view text) override {
    Column(column)[static_cast<size_t>(row)] = text;
  }
  void ShowPage(int32_t current, int32_t count) override {
    shownPage = std::to_string(current) + "/" + std::to_string(count);
  }
  bool TakeValues() override { return true; }
  void Close(bool accepted) override { closed = accepted ? 1 : 0; }

  void Type(int32_t row, std::u16string_view from, std::u16string_view to) {
    SetText(PairColumn::From, row, from);
    SetText(PairColumn::To, row, to);
  }

  using Rows = std::array<std::u16string, 60>;
  Rows& Column(PairColumn column) { return column == PairColumn::From ? from : to; }
  const Rows& Column(PairColumn column) const { return column == PairColumn::From ? from : to; }

  Rows from;
  Rows to;
  std::string shownPage;
  int closed = -1;  // -1 open, 0 cancelled, 1 accepted
};

const std::string kUnused = "[POST Not Use Post Data Don't Select]";

class NcPostDlg2Test : public PostFileFixture {
 protected:
  void SetUp() override { UseDisk(); }
  std::u16string CodePath() const { return SystemFile(u"Quorvalen1.pst"); }
  // Block "A" with pairLines, block "B" with one pair, then eight unused blocks.
  static Lines CodeFile(const Lines& pairLines) {
    Lines lines = {"A", std::to_string(pairLines.size())};
    lines.insert(lines.end(), pairLines.begin(), pairLines.end());
    lines.insert(lines.end(), {"B", "1", "G28 G27"});
    for (int i = 0; i < 8; ++i) lines.insert(lines.end(), {kUnused, "0"});
    return lines;
  }
  NcPostDlg2 Dialog(std::u16string post = u"A") {
    return NcPostDlg2(view_, files_, interaction_, std::move(post));
  }
  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> texts;
    for (const Message& message : interaction_.messages) texts.push_back(message.text);
    return texts;
  }

  FakePairView view_;
  ScriptedInteraction interaction_;
};

TEST_F(NcPostDlg2Test, SixtyOnePairsOpenAsPageOneOfTwo) {
  Lines pairs;
  for (int i = 1; i <= 61; ++i) pairs.push_back("M" + std::to_string(i) + " T" + std::to_string(i));
  WriteFile(CodePath(), CodeFile(pairs));
  NcPostDlg2 dialog = Dialog();
  dialog.Open();
  EXPECT_EQ(view_.shownPage, "1/2");
  EXPECT_EQ(view_.from[0], u"M1");
  EXPECT_EQ(view_.to[59], u"T60");
  dialog.OnNext();
  EXPECT_EQ(view_.shownPage, "2/2");
  EXPECT_EQ(view_.from[0], u"M61");
  EXPECT_EQ(view_.to[0], u"T61");
  EXPECT_EQ(view_.from[1], u"");
  dialog.OnPrevious();
  EXPECT_EQ(view_.shownPage, "1/2");
  EXPECT_EQ(view_.from[59], u"M60");
}

TEST_F(NcPostDlg2Test, PagesGrowOnlyFromAFilledLastPageAndAnEmptyLastPageIsDropped) {
  WriteFile(CodePath(), CodeFile({}));
  NcPostDlg2 dialog = Dialog();
  dialog.Open();
  EXPECT_EQ(view_.shownPage, "1/1");
  dialog.OnPrevious();
  EXPECT_EQ(view_.shownPage, "1/1");
  // A "to" alone, or a "from" of blanks, does not make the page count as filled.
  view_.Type(5, u" \u3000", u"T1");
  dialog.OnNext();
  EXPECT_EQ(view_.shownPage, "1/1");

  view_.Type(59, u"G 28", u"G27");
  dialog.OnNext();
  EXPECT_EQ(view_.shownPage, "2/2");
  EXPECT_EQ(view_.from[59], u"");
  dialog.OnNext();  // the new last page is empty
  EXPECT_EQ(view_.shownPage, "2/2");
  view_.Type(0, u"", u"left over");
  dialog.OnPrevious();
  EXPECT_EQ(view_.shownPage, "1/1");
  EXPECT_EQ(view_.from[59], u"G28");

  // The page appended again starts empty.
  dialog.OnNext();
  EXPECT_EQ(view_.shownPage, "2/2");
  EXPECT_EQ(view_.to[0], u"");
}

TEST_F(NcPostDlg2Test, OkStoresCodesWithoutBlanksAndWritesTheFileWhole) {
  WriteFile(CodePath(), CodeFile({"M1 T1"}));
  NcPostDlg2 dialog = Dialog();
  dialog.Open();
  view_.Type(1, u"", u"dropped");
  view_.Type(2, u"M\u3000100", u"X Y");
  view_.Type(3, u"G70", u"");
  view_.Type(59, u"a", u"b");
  dialog.OnNext();
  view_.Type(0, u"P2", u"Q2");
  dialog.OnOk();
  EXPECT_EQ(view_.closed, 1);
  EXPECT_TRUE(interaction_.messages.empty());
  EXPECT_TRUE(
      SameLines(FileLines(CodePath()), CodeFile({"M1 T1", "M100 XY", "G70 ", "a b", "P2 Q2"})));
}

TEST_F(NcPostDlg2Test, PairWithoutBlankStaysHarmlessThroughOpenAndOk) {
  WriteFile(CodePath(), CodeFile({"M30", "M00 M01"}));
  NcPostDlg2 dialog = Dialog();
  dialog.Open();
  EXPECT_EQ(view_.from[0], u"");
  EXPECT_EQ(view_.to[0], u"M30");
  dialog.OnOk();
  EXPECT_TRUE(SameLines(FileLines(CodePath()), CodeFile({"M00 M01"})));
}

TEST_F(NcPostDlg2Test, ReadFailuresAreReportedOnAnEmptyPage) {
  NcPostDlg2 missing = Dialog();
  missing.Open();
  WriteFile(CodePath(), CodeFile({"M1 T1"}));
  NcPostDlg2 absent = Dialog(u"Z");
  absent.Open();
  WriteFile(CodePath(), {"B", "3", "M1 T1"});
  NcPostDlg2 truncated = Dialog();
  truncated.Open();
  EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"初期化に失敗しました",
                                                     u"ポストデータが存在しませんでした",
                                                     u"データの読み込みに失敗しました"}));
  EXPECT_EQ(view_.shownPage, "1/1");
  EXPECT_EQ(view_.from, FakePairView::Rows{});
  EXPECT_EQ(view_.to, FakePairView::Rows{});
}

TEST_F(NcPostDlg2Test, WriteFailuresAreReportedAndTheDialogStaysOpen) {
  WriteFile(CodePath(), CodeFile({"M1 T1"}));
  const std::string bytes = ReadBytes(CodePath());
  NcPostDlg2 dialog = Dialog();
  dialog.Open();
  view_.Type(1, u"X", u"Y");
  std::filesystem::create_directory(ToUtf8(SystemFile(u"Temp1.dat")));
  dialog.OnOk();
  EXPECT_EQ(ReadBytes(CodePath()), bytes);
  std::filesystem::remove(ToUtf8(CodePath()));
  dialog.OnOk();
  EXPECT_EQ(view_.closed, -1);
  EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"POSTデータの書き込みに失敗しました",
                                                     u"POSTデータが見つかりません"}));
  EXPECT_EQ(view_.to[1], u"Y");
}

}  // namespace
}  // namespace qv::test
