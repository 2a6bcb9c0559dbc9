#include "post/PlainNameList.h"

#include "nctext/StringUtil.h"

namespace qv {

std::u16string PlainNameList::ItemText(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return items_[static_cast<size_t>(index)];
}

int32_t PlainNameList::FindExact(std::u16string_view text) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (EqualsNoCase(items_[i], text)) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t PlainNameList::Add(std::u16string_view text) {
  int32_t at = Count();
  if (sorted_) {
    at = 0;
    while (at < Count() && CompareNoCase(items_[static_cast<size_t>(at)], text) <= 0) ++at;
  }
  return Insert(at, text);
}

int32_t PlainNameList::Insert(int32_t index, std::u16string_view text) {
  if (index < 0 || index > Count()) index = Count();
  items_.insert(items_.begin() + index, std::u16string(text));
  if (selected_ >= index) ++selected_;
  return index;
}

void PlainNameList::Delete(int32_t index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

int32_t PlainNameList::SelectText(std::u16string_view text) {
  const int32_t index = FindExact(text);
  if (index >= 0) Select(index);
  return index;
}

void PlainNameList::Select(int32_t index) {
  if (index < 0 || index >= Count()) {
    selected_ = -1;
    typed_.clear();
    return;
  }
  selected_ = index;
  typed_ = items_[static_cast<size_t>(index)];
}

void PlainNameList::Clear() {
  items_.clear();
  selected_ = -1;
  typed_.clear();
}

void PlainNameList::Type(std::u16string_view text) { typed_ = ToUpperAscii(text); }

}  // namespace qv
