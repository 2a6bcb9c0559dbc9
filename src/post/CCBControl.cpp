#include "post/CCBControl.h"

namespace qv {

void CCBControl::SetCapacity(int32_t capacity) {
  capacity_ = capacity < 0 ? 0 : capacity;
  items_.assign(static_cast<size_t>(capacity_), u"");
}

void CCBControl::FillList(NameListControl& control) const {
  control.Clear();
  for (const std::u16string& item : items_) {
    if (item.empty()) break;
    control.Add(item);
  }
  control.Select(0);
}

void CCBControl::TakeList(const NameListControl& control) {
  for (size_t i = 0; i < items_.size(); ++i) {
    items_[i] = static_cast<int32_t>(i) < control.Count()
                    ? control.ItemText(static_cast<int32_t>(i))
                    : std::u16string();
  }
  selectedIndex_ = control.SelectedIndex();
  count_ = control.Count();
}

void CCBControl::OnSelection(const NameListControl& control) {
  selectionOld_ = control.ItemText(control.SelectedIndex());
  selectionNew_ = selectionOld_;
  selectedIndex_ = control.SelectedIndex();
  count_ = control.Count();
}

int32_t CCBControl::Fail(int32_t status) {
  status_ = status;
  return -1;
}

void CCBControl::Succeed(NameListControl& control, std::u16string newName) {
  selectionNew_ = std::move(newName);
  TakeList(control);
}

int32_t CCBControl::Add(NameListControl& control) {
  status_ = 0;
  const std::u16string name = control.TypedText();
  if (name.empty()) return Fail(102);
  if (name != selectionOld_ && control.Count() >= capacity_) return Fail(11);
  if (control.FindExact(name) >= 0) return Fail(101);
  control.Select(control.Add(name));
  Succeed(control, name);
  return 0;
}

int32_t CCBControl::Change(NameListControl& control) {
  status_ = 0;
  const std::u16string name = control.TypedText();
  if (name.empty()) return Fail(1);
  if (name == selectionOld_) return Fail(200);
  if (control.FindExact(name) >= 0) return Fail(201);
  const int32_t index = control.FindExact(selectionOld_);
  if (selectionOld_.empty() || index < 0) return Fail(203);
  control.Delete(index);
  control.Select(control.Insert(index, name));
  Succeed(control, name);
  return 0;
}

int32_t CCBControl::Delete(NameListControl& control) {
  status_ = 0;
  const std::u16string typed = control.TypedText();
  if (typed.empty()) return Fail(1);
  if (selectionOld_.empty()) return Fail(302);
  const int32_t index = control.FindExact(selectionOld_);
  if (index < 0) return Fail(301);
  control.Delete(index);
  if (control.Count() > 0) control.Select(0);
  Succeed(control, typed);
  return 0;
}

void CCBControl::SetSelection(std::u16string oldName, std::u16string newName) {
  selectionOld_ = std::move(oldName);
  selectionNew_ = std::move(newName);
}

void CCBControl::GetSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = selectionOld_;
  newName = selectionNew_;
}

std::u16string CCBControl::Message() const {
  switch (status_) {
    case 1:
      return u"項目が選択されていません";
    case 2:
      return u"ボックスに入力フォーカスが有りません";
    case 11:
      return u"これ以上項目の登録はできません";
    case 12:
      return u"文字が１つも有りません";
    case 13:
      return u"不正な制御モードです";
    case 101:
    case 200:
    case 201:
      return u"同一文字が既にあります";
    case 102:
      return u"追加する文字が入力されていません";
    case 202:
      return u"変更する文字が入力されていません";
    case 203:
      return u"変更すべき文字が見つかりません";
    case 301:
      return u"削除すべき文字が見つかりません";
    case 302:
      return u"削除する文字が入力されていません";
    default:
      return {};
  }
}

}  // namespace qv
