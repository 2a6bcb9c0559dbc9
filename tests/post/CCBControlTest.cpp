#include "TestSupport.h"
#include "post/CCBControl.h"
#include "post/PlainNameList.h"

namespace qv {
namespace {

class CCBControlTest : public ::testing::Test {
 protected:
  // A post list holding names, with the first selected as the store would leave it.
  void Start(std::initializer_list<const char16_t*> names) {
    posts_.SetCapacity(10);
    for (const char16_t* name : names) list_.Add(name);
    posts_.TakeList(list_);
    list_.Select(0);
    posts_.OnSelection(list_);
  }
  // Runs a failing operation and checks that nothing changed.
  std::u16string Refused(NameEditResult (CCBControl::*operation)(NameListControl&)) {
    const auto items = posts_.Items();
    const auto shown = list_.Items();
    EXPECT_EQ((posts_.*operation)(list_), NameEditResult::Refused);
    EXPECT_EQ(posts_.Items(), items);
    EXPECT_EQ(list_.Items(), shown);
    return posts_.Message();
  }

  CCBControl posts_;
  PlainNameList list_{false};
};

TEST_F(CCBControlTest, AddAppendsInGivenOrderUpToTenPosts) {
  Start({u"ZETA", u"ALPHA"});
  list_.Type(u"beta");
  ASSERT_EQ(posts_.Add(list_), NameEditResult::Done);
  EXPECT_EQ(list_.Items(), (std::vector<std::u16string>{u"ZETA", u"ALPHA", u"BETA"}));
  EXPECT_EQ(list_.SelectedIndex(), 2);
  EXPECT_EQ(posts_.Items()[2], u"BETA");
  EXPECT_EQ(posts_.Items()[3], u"");
  EXPECT_EQ(posts_.Message(), u"");
  std::u16string oldName, newName;
  posts_.GetSelection(oldName, newName);
  EXPECT_EQ(oldName, u"ZETA");  // the post whose data the new one copies
  EXPECT_EQ(newName, u"BETA");

  for (int i = 3; i < 10; ++i) {
    list_.Type(Sprintf("P%d", i));
    ASSERT_EQ(posts_.Add(list_), NameEditResult::Done);
  }
  list_.Type(u"ELEVENTH");
  EXPECT_EQ(Refused(&CCBControl::Add), u"これ以上項目の登録はできません");
  EXPECT_EQ(posts_.Status(), NameListStatus::Full);
}

TEST_F(CCBControlTest, AddRefusesEmptyAndListedNames) {
  Start({u"POST1", u"POST2"});
  list_.Type(u"");
  EXPECT_EQ(Refused(&CCBControl::Add), u"追加する文字が入力されていません");
  list_.Type(u"post2");
  EXPECT_EQ(Refused(&CCBControl::Add), u"同一文字が既にあります");
  EXPECT_EQ(posts_.Status(), NameListStatus::AddNameListed);
}

TEST_F(CCBControlTest, ChangeRenamesInPlace) {
  Start({u"POST1", u"POST2", u"POST3"});
  list_.Select(1);
  posts_.OnSelection(list_);
  list_.Type(u"NEW");
  ASSERT_EQ(posts_.Change(list_), NameEditResult::Done);
  EXPECT_EQ(posts_.Items()[1], u"NEW");
  EXPECT_EQ(list_.SelectedIndex(), 1);
  std::u16string oldName, newName;
  posts_.GetSelection(oldName, newName);
  EXPECT_EQ(oldName, u"POST2");
  EXPECT_EQ(newName, u"NEW");
}

TEST_F(CCBControlTest, ChangeRefusals) {
  Start({u"POST1", u"POST2"});
  list_.Type(u"");
  EXPECT_EQ(Refused(&CCBControl::Change), u"項目が選択されていません");
  list_.Type(u"POST1");
  EXPECT_EQ(Refused(&CCBControl::Change), u"同一文字が既にあります");
  EXPECT_EQ(posts_.Status(), NameListStatus::ChangeNameUnchanged);
  list_.Type(u"POST2");
  EXPECT_EQ(Refused(&CCBControl::Change), u"同一文字が既にあります");
  EXPECT_EQ(posts_.Status(), NameListStatus::ChangeNameListed);
  posts_.SetSelection(u"GONE", u"GONE");
  list_.Type(u"OTHER");
  EXPECT_EQ(Refused(&CCBControl::Change), u"変更すべき文字が見つかりません");
}

TEST_F(CCBControlTest, DeleteRemovesTheSelectedPost) {
  Start({u"POST1", u"POST2", u"POST3"});
  list_.Select(1);
  posts_.OnSelection(list_);
  ASSERT_EQ(posts_.Delete(list_), NameEditResult::Done);
  EXPECT_EQ(list_.Items(), (std::vector<std::u16string>{u"POST1", u"POST3"}));
  EXPECT_EQ(posts_.Items()[1], u"POST3");
  EXPECT_EQ(posts_.Items()[2], u"");
  EXPECT_EQ(list_.SelectedIndex(), 0);
  std::u16string oldName, newName;
  posts_.GetSelection(oldName, newName);
  EXPECT_EQ(oldName, u"POST2");  // the section the store drops
}

TEST_F(CCBControlTest, DeleteRefusals) {
  Start({u"POST1"});
  list_.Type(u"");
  EXPECT_EQ(Refused(&CCBControl::Delete), u"項目が選択されていません");
  list_.Type(u"POST1");
  posts_.SetSelection(u"", u"");
  EXPECT_EQ(Refused(&CCBControl::Delete), u"削除する文字が入力されていません");
  posts_.SetSelection(u"GONE", u"GONE");
  EXPECT_EQ(Refused(&CCBControl::Delete), u"削除すべき文字が見つかりません");
}

TEST_F(CCBControlTest, FillListShowsItemsUpToTheFirstEmptyOne) {
  Start({u"A", u"B"});
  PlainNameList other(false);
  other.Add(u"STALE");
  posts_.FillList(other);
  EXPECT_EQ(other.Items(), (std::vector<std::u16string>{u"A", u"B"}));
  EXPECT_EQ(other.TypedText(), u"A");
}

}  // namespace
}  // namespace qv
