#include <gtest/gtest.h>

#include <sstream>

#include "platform/SilentInteraction.h"

namespace qv {
namespace {

TEST(SilentInteractionTest, ShowsNothingTakesTheSafeAnswerAndKeepsWhatItWouldHaveSaid) {
  std::ostringstream echo;
  SilentInteraction silent(&echo);
  silent.ShowMessage({MessageKind::Exclamation, u"出力できません", u"Drevmark"});
  EXPECT_EQ(silent.Ask({QuestionKind::YesNo, u"変換しますか？", u""}), Answer::No);
  EXPECT_EQ(silent.Ask({QuestionKind::OkCancel, u"破棄しますか？", u""}), Answer::Cancel);
  EXPECT_EQ(silent.ChooseFile({FileDialogKind::Save, u"/tmp", u"a.nc", {{u"NC", u"*.NC"}}, 1}),
            std::nullopt);
  { const WaitCursor waiting(silent); }
  EXPECT_EQ(silent.Said(),
            (std::vector<std::u16string>{u"出力できません", u"変換しますか？", u"破棄しますか？"}));
  EXPECT_EQ(echo.str(), "出力できません\n変換しますか？\n破棄しますか？\n");
}

}  // namespace
}  // namespace qv
