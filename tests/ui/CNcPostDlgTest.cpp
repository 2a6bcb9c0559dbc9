// The post editor through a fake view: fields shown from the store, OK saving the header, cancel
// and a failed save leaving the post file as it was.
#include <filesystem>
#include <map>
#include <utility>

#include "ScriptedInteraction.h"
#include "post/PostTestFixture.h"
#include "ui/CNcPostDlg.h"

namespace qv::test {
namespace {

class FakePostView : public PostDlgView {
 public:
  std::u16string Text(PostFieldId id) const override {
    const auto found = fields.find(Key(id));
    return found == fields.end() ? std::u16string() : found->second;
  }
  void SetText(PostFieldId id, std::u16string_view text) override {
    fields[Key(id)] = std::u16string(text);
  }
  bool TakeValues() override { return true; }
  void RunSpecialCodes(std::u16string_view postName) override { specialCodesFor = postName; }
  void Close(bool accepted) override { closed = accepted ? 1 : 0; }

  static std::pair<PostField, int32_t> Key(PostFieldId id) { return {id.field, id.row}; }

  std::map<std::pair<PostField, int32_t>, std::u16string> fields;
  std::u16string specialCodesFor;
  int closed = -1;  // -1 open, 0 cancelled, 1 accepted
};

// File lines of the single post "P1": the templates T1..T28 start at line 13.
constexpr size_t kTemplateLine = 12;

class CNcPostDlgTest : public PostFileFixture {
 protected:
  void SetUp() override {
    UseDisk();
    original_ = PostFileLines({{"P1", {{"M1", {"1.0", "2.0"}}}}, {"P2", {}}});
    WriteFile(original_);
    Select(u"P1", u"M1", u"2.0");
    ASSERT_EQ(Load(u"P1", u"M1", u"2.0"), PostFileStatus::Ok);
  }
  CNcPostDlg Dialog() { return CNcPostDlg(view_, store_, files_, interaction_, u"P1"); }
  // Line of template t (1-based, T1 = programAddress) in the file.
  static size_t TemplateLine(int t) { return kTemplateLine + static_cast<size_t>(t - 1); }

  Lines original_;
  FakePostView view_;
  ScriptedInteraction interaction_;
};

TEST_F(CNcPostDlgTest, OpenShowsTheRecordAndOkSavesTheHeaderWhole) {
  CNcPostDlg dialog = Dialog();
  dialog.Open();
  EXPECT_EQ(view_.Text({PostField::HeadLine1a}), u"P1 T9");
  EXPECT_EQ(view_.Text({PostField::HeadLine1b}), u"P1 T10");
  EXPECT_EQ(view_.Text({PostField::EndPart}), u"P1 T28");
  EXPECT_EQ(view_.Text({PostField::LineCodeTo, 1}), u"P1 LT2");
  EXPECT_EQ(view_.Text({PostField::StringCodeFrom, 0}), u"P1 SF1");
  EXPECT_EQ(view_.fields.size(), 14u + 80u);
  dialog.OnSpecialCodes();
  EXPECT_EQ(view_.specialCodesFor, u"P1");

  view_.SetText({PostField::HeadLine2}, u"G90");
  view_.SetText({PostField::CutShapeLine}, u"");
  view_.SetText({PostField::LineCodeFrom, 19}, u"m30");
  view_.SetText({PostField::StringCodeTo, 0}, u"X Y");
  dialog.OnOk();
  EXPECT_EQ(view_.closed, 1);
  EXPECT_TRUE(interaction_.messages.empty());

  Lines expected = original_;
  expected[TemplateLine(11)] = "G90";
  expected[TemplateLine(27)] = "";
  // The derived lines follow the current condition (M1 / 2.0: punch and marking rows 6 and 8).
  expected[TemplateLine(15)] = "M1/2.0/6";
  expected[TemplateLine(19)] = "M1/2.0/8";
  expected[TemplateLine(24)] = "[CUT-FIG-CONDITION]";
  expected[TemplateLine(28) + 20] = "m30";  // line-unit "from" row 20
  expected[TemplateLine(28) + 61] = "X Y";  // string-unit "to" row 1
  EXPECT_TRUE(SameLines(FileLines(), expected));
}

TEST_F(CNcPostDlgTest, CancelWritesNothingAndDropsEveryChangeToTheStore) {
  const PostRecord loaded = store_.record;
  const std::string bytes = ReadBytes(PostPath());
  CNcPostDlg dialog = Dialog();
  dialog.Open();
  view_.SetText({PostField::EndPart}, u"M02");
  store_.record.comment = u"changed elsewhere";
  dialog.OnCancel();
  EXPECT_EQ(view_.closed, 0);
  EXPECT_EQ(store_.record, loaded);
  EXPECT_EQ(ReadBytes(PostPath()), bytes);
  EXPECT_FALSE(std::filesystem::exists(ToUtf8(SystemFile(u"Temp.dat"))));
}

TEST_F(CNcPostDlgTest, FailedSaveSaysSoKeepsTheInputAndCanBeRetried) {
  const std::string bytes = ReadBytes(PostPath());
  // A folder where the scratch file goes: the save cannot write it.
  std::filesystem::create_directory(ToUtf8(SystemFile(u"Temp.dat")));
  CNcPostDlg dialog = Dialog();
  dialog.Open();
  view_.SetText({PostField::EndPart}, u"M02");
  dialog.OnOk();
  EXPECT_EQ(view_.closed, -1);
  ASSERT_EQ(interaction_.messages.size(), 1u);
  EXPECT_EQ(interaction_.messages[0].text, kPostSaveFailedMessage);
  EXPECT_EQ(view_.Text({PostField::EndPart}), u"M02");
  EXPECT_EQ(ReadBytes(PostPath()), bytes);

  std::filesystem::remove(ToUtf8(SystemFile(u"Temp.dat")));
  dialog.OnOk();
  EXPECT_EQ(view_.closed, 1);
  EXPECT_EQ(FileLines()[TemplateLine(28)], "M02");
}

}  // namespace
}  // namespace qv::test
