#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "post/NameListControl.h"
#include "post/NameListStatus.h"

namespace qv {

// Keeps the post name list, its control and the post selection pair in step, and decides
// whether an add, change or delete is allowed. A failed operation changes nothing and leaves
// its code in Status().
class CCBControl {
 public:
  // Largest number of items; the items are emptied and sized to it.
  void SetCapacity(int32_t capacity);
  // Clears the control, adds the items up to the first empty one and selects item 0.
  void FillList(NameListControl& control) const;
  // Takes the control's items, empty beyond its count.
  void TakeList(const NameListControl& control);
  // Both names of the selection become the selected item's text (empty when none).
  void OnSelection(const NameListControl& control);

  // Adds the typed text as a new item; Refused with the status set.
  NameEditResult Add(NameListControl& control);
  // Replaces the selected item (the selection's old name) by the typed text.
  NameEditResult Change(NameListControl& control);
  // Removes the selected item (the selection's old name).
  NameEditResult Delete(NameListControl& control);

  void SetSelection(std::u16string oldName, std::u16string newName);
  void GetSelection(std::u16string& oldName, std::u16string& newName) const;
  // The message of the current status, empty for 0.
  std::u16string Message() const;

  NameListStatus Status() const { return status_; }
  int32_t Capacity() const { return capacity_; }
  const std::vector<std::u16string>& Items() const { return items_; }
  int32_t SelectedIndex() const { return selectedIndex_; }
  int32_t Count() const { return count_; }

 private:
  NameEditResult Fail(NameListStatus status);
  NameEditResult Succeed(NameListControl& control, std::u16string newName);

  std::vector<std::u16string> items_;
  std::u16string selectionOld_;
  std::u16string selectionNew_;
  int32_t capacity_ = 0;
  NameListStatus status_ = NameListStatus::None;
  int32_t selectedIndex_ = -1;
  int32_t count_ = 0;
};

}  // namespace qv
