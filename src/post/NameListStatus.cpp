#include "post/NameListStatus.h"

#include <string_view>

namespace qv {
namespace {

struct Messages {
  NameListStatus status;
  std::u16string_view post;
  std::u16string_view material;
  std::u16string_view thickness;
};

constexpr Messages kMessages[] = {
    {NameListStatus::NotSelected, u"項目が選択されていません", u"材質が選択されていません",
     u"板厚が選択されていません"},
    {NameListStatus::NoInputFocus, u"ボックスに入力フォーカスが有りません",
     u"材質ボックスに入力フォーカスが有りません", u"板厚ボックスに入力フォーカスが有りません"},
    {NameListStatus::Full, u"これ以上項目の登録はできません", u"これ以上材質の登録はできません",
     u"これ以上板厚の登録はできません"},
    {NameListStatus::Empty, u"文字が１つも有りません", u"材質が１つも有りません",
     u"板厚が１つも有りません"},
    {NameListStatus::BadControlMode, u"不正な制御モードです", u"不正な制御モードです",
     u"不正な制御モードです"},
    {NameListStatus::AddNameListed, u"同一文字が既にあります", u"同一材質が既にあります",
     u"同一板厚が既にあります"},
    {NameListStatus::NothingToAdd, u"追加する文字が入力されていません",
     u"追加する材質が入力されていません", u"追加する板厚が入力されていません"},
    {NameListStatus::ChangeNameUnchanged, u"同一文字が既にあります", u"", u""},
    {NameListStatus::ChangeNameListed, u"同一文字が既にあります", u"同一材質が既にあります",
     u"同一板厚が既にあります"},
    {NameListStatus::NothingToChange, u"変更する文字が入力されていません",
     u"変更する材質が入力されていません", u"変更する板厚が入力されていません"},
    {NameListStatus::ChangeTargetMissing, u"変更すべき文字が見つかりません",
     u"変更すべき材質が見つかりません", u"変更すべき板厚が見つかりません"},
    {NameListStatus::DeleteTargetMissing, u"削除すべき文字が見つかりません",
     u"削除すべき材質が見つかりません", u"削除すべき板厚が見つかりません"},
    {NameListStatus::NothingToDelete, u"削除する文字が入力されていません",
     u"削除する材質が入力されていません", u"削除する板厚が入力されていません"},
};

}  // namespace

std::u16string NameListMessage(NameList list, NameListStatus status) {
  for (const Messages& row : kMessages) {
    if (row.status != status) continue;
    switch (list) {
      case NameList::Post:
        return std::u16string(row.post);
      case NameList::Material:
        return std::u16string(row.material);
      case NameList::Thickness:
        return std::u16string(row.thickness);
    }
  }
  return {};
}

}  // namespace qv
