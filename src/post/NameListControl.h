#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// An editable drop-down list as the name-list classes see it: a text field (the typed text) and
// a list of items with at most one selected. Finding compares whole texts without letter case.
// A sorted list places added items in case-insensitive order; inserting at an index keeps the
// given order in every list.
class NameListControl {
 public:
  virtual ~NameListControl() = default;

  virtual int32_t Count() const = 0;
  // The selected item's index, -1 when none.
  virtual int32_t SelectedIndex() const = 0;
  virtual std::u16string ItemText(int32_t index) const = 0;
  virtual std::u16string TypedText() const = 0;
  // The index of the item equal to text (letter case ignored), -1 when none.
  virtual int32_t FindExact(std::u16string_view text) const = 0;
  // Adds an item (at the end, or at its sorted place); returns its index.
  virtual int32_t Add(std::u16string_view text) = 0;
  virtual int32_t Insert(int32_t index, std::u16string_view text) = 0;
  virtual void Delete(int32_t index) = 0;
  // Selects the item equal to text; returns its index, -1 (selection unchanged) when none.
  virtual int32_t SelectText(std::u16string_view text) = 0;
  // Selects an item, its text becoming the typed text; -1 clears the selection and the text.
  virtual void Select(int32_t index) = 0;
  virtual void Clear() = 0;
};

}  // namespace qv
