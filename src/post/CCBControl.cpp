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

NameEditResult CCBControl::Fail(NameListStatus status) {
  status_ = status;
  return NameEditResult::Refused;
}

NameEditResult CCBControl::Succeed(NameListControl& control, std::u16string newName) {
  selectionNew_ = std::move(newName);
  TakeList(control);
  return NameEditResult::Done;
}

NameEditResult CCBControl::Add(NameListControl& control) {
  status_ = NameListStatus::None;
  const std::u16string name = control.TypedText();
  if (name.empty()) return Fail(NameListStatus::NothingToAdd);
  if (name != selectionOld_ && control.Count() >= capacity_) return Fail(NameListStatus::Full);
  if (control.FindExact(name) >= 0) return Fail(NameListStatus::AddNameListed);
  control.Select(control.Add(name));
  return Succeed(control, name);
}

NameEditResult CCBControl::Change(NameListControl& control) {
  status_ = NameListStatus::None;
  const std::u16string name = control.TypedText();
  if (name.empty()) return Fail(NameListStatus::NotSelected);
  if (name == selectionOld_) return Fail(NameListStatus::ChangeNameUnchanged);
  if (control.FindExact(name) >= 0) return Fail(NameListStatus::ChangeNameListed);
  const int32_t index = control.FindExact(selectionOld_);
  if (selectionOld_.empty() || index < 0) return Fail(NameListStatus::ChangeTargetMissing);
  control.Delete(index);
  control.Select(control.Insert(index, name));
  return Succeed(control, name);
}

NameEditResult CCBControl::Delete(NameListControl& control) {
  status_ = NameListStatus::None;
  const std::u16string typed = control.TypedText();
  if (typed.empty()) return Fail(NameListStatus::NotSelected);
  if (selectionOld_.empty()) return Fail(NameListStatus::NothingToDelete);
  const int32_t index = control.FindExact(selectionOld_);
  if (index < 0) return Fail(NameListStatus::DeleteTargetMissing);
  control.Delete(index);
  if (control.Count() > 0) control.Select(0);
  return Succeed(control, typed);
}

void CCBControl::SetSelection(std::u16string oldName, std::u16string newName) {
  selectionOld_ = std::move(oldName);
  selectionNew_ = std::move(newName);
}

void CCBControl::GetSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = selectionOld_;
  newName = selectionNew_;
}

std::u16string CCBControl::Message() const { return NameListMessage(NameList::Post, status_); }

}  // namespace qv
