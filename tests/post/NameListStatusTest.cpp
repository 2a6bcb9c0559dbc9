#include "TestSupport.h"
#include "post/NameListStatus.h"

namespace qv {
namespace {

// The rows no list operation reaches, and the one status whose text only the post list has.
TEST(NameListMessageTest, RowsTheOperationsDoNotReach) {
  EXPECT_EQ(NameListMessage(NameList::Thickness, NameListStatus::NoInputFocus),
            u"板厚ボックスに入力フォーカスが有りません");
  EXPECT_EQ(NameListMessage(NameList::Material, NameListStatus::BadControlMode),
            u"不正な制御モードです");
  EXPECT_EQ(NameListMessage(NameList::Post, NameListStatus::ChangeNameUnchanged),
            u"同一文字が既にあります");
  EXPECT_EQ(NameListMessage(NameList::Material, NameListStatus::ChangeNameUnchanged), u"");
  EXPECT_EQ(NameListMessage(NameList::Post, NameListStatus::None), u"");
}

}  // namespace
}  // namespace qv
