#pragma once

#include <vector>

#include "post/NameListControl.h"

namespace qv {

// The name list without a window: for tests and the automatic mode. Typing converts letters to
// upper case, as the real lists do while they are entered.
class PlainNameList : public NameListControl {
 public:
  explicit PlainNameList(bool sorted) : sorted_(sorted) {}

  int32_t Count() const override { return static_cast<int32_t>(items_.size()); }
  int32_t SelectedIndex() const override { return selected_; }
  std::u16string ItemText(int32_t index) const override;
  std::u16string TypedText() const override { return typed_; }
  int32_t FindExact(std::u16string_view text) const override;
  int32_t Add(std::u16string_view text) override;
  int32_t Insert(int32_t index, std::u16string_view text) override;
  void Delete(int32_t index) override;
  int32_t SelectText(std::u16string_view text) override;
  void Select(int32_t index) override;
  void Clear() override;

  // What the operator types into the text field.
  void Type(std::u16string_view text);
  const std::vector<std::u16string>& Items() const { return items_; }

 private:
  bool sorted_;
  std::vector<std::u16string> items_;
  int32_t selected_ = -1;
  std::u16string typed_;
};

}  // namespace qv
