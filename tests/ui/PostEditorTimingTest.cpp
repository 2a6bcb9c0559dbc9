// Opening and saving either post editor on a full-capacity post file stays responsive.
#include <chrono>
#include <functional>

#include "ScriptedInteraction.h"
#include "post/PostTestFixture.h"
#include "ui/CNcPostDlg.h"
#include "ui/NcPostDlg2.h"

namespace qv::test {
namespace {

// The operator notices a pause from about a tenth of a second. Sanitized and unoptimised builds
// run several times slower and at the mercy of the machine's load: there the work is checked,
// the time only in optimised builds.
constexpr auto kBudget = std::chrono::milliseconds(100);
#ifdef QV_SLOW_BUILD
constexpr bool kTimed = false;
#else
constexpr bool kTimed = true;
#endif

void ExpectInBudget(std::chrono::milliseconds opening, std::chrono::milliseconds saving) {
  ::testing::Test::RecordProperty("open_ms", static_cast<int>(opening.count()));
  ::testing::Test::RecordProperty("save_ms", static_cast<int>(saving.count()));
  if (!kTimed) return;
  EXPECT_LT(opening, kBudget);
  EXPECT_LT(saving, kBudget);
}

std::chrono::milliseconds Elapsed(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

class NullPostView : public PostDlgView {
 public:
  std::u16string Text(PostFieldId) const override { return u"G90"; }
  void SetText(PostFieldId, std::u16string_view) override {}
  bool TakeValues() override { return true; }
  void RunSpecialCodes(std::u16string_view) override {}
  void Close(bool accepted) override { closed = accepted; }
  bool closed = false;
};

class NullPairView : public SpecialCodeView {
 public:
  std::u16string Text(PairColumn, int32_t) const override { return u"M1"; }
  void SetText(PairColumn, int32_t, std::u16string_view) override {}
  void ShowPage(int32_t, int32_t) override {}
  bool TakeValues() override { return true; }
  void Close(bool accepted) override { closed = accepted; }
  bool closed = false;
};

class PostEditorTimingTest : public PostFileFixture {
 protected:
  void SetUp() override {
    UseDisk();
    WriteFile(FullCapacityPostFileLines());
    const std::u16string material = FromUtf8(std::string(38, 'X') + "材質");
    Select(u"Post 10", material, u"20.0");
    ASSERT_EQ(Load(u"Post 10", material, u"20.0"), PostFileStatus::Ok);
  }
  ScriptedInteraction interaction_;
};

TEST_F(PostEditorTimingTest, PostEditorOpensAndSavesAFullPostFileInTime) {
  NullPostView view;
  CNcPostDlg dialog(view, store_, files_, interaction_, u"Post 10");
  const auto opening = Elapsed([&] { dialog.Open(); });
  const auto saving = Elapsed([&] { dialog.OnOk(); });
  ASSERT_TRUE(view.closed);
  EXPECT_EQ(FileLines().size(), FullCapacityPostFileLines().size());
  ExpectInBudget(opening, saving);
}

TEST_F(PostEditorTimingTest, SpecialCodeEditorOpensAndSavesTenFullBlocksInTime) {
  Lines codes;
  for (int post = 1; post <= 10; ++post) {
    codes.insert(codes.end(), {"Post " + std::to_string(post), "600"});
    for (int i = 0; i < 600; ++i)
      codes.push_back("M" + std::to_string(i) + " T" + std::to_string(i));
  }
  WriteFile(SystemFile(u"Quorvalen1.pst"), codes);
  NullPairView view;
  NcPostDlg2 dialog(view, files_, interaction_, u"Post 10");
  const auto opening = Elapsed([&] { dialog.Open(); });
  const auto saving = Elapsed([&] { dialog.OnOk(); });
  ASSERT_TRUE(view.closed);
  EXPECT_EQ(dialog.PageCount(), 10);
  ExpectInBudget(opening, saving);
}

}  // namespace
}  // namespace qv::test
