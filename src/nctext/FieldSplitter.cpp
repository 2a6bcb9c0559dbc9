#include "nctext/FieldSplitter.h"

namespace qv {

int32_t FieldSplitter::SplitFields() {
  fields.clear();
  fieldStarts.fill(-1);
  const auto sep = static_cast<char16_t>(static_cast<unsigned char>(separator));
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != sep && (i == 0 || text[i - 1] == sep)) ++count;
  }
  if (count > static_cast<size_t>(kMaxFields)) return -1;

  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == sep) continue;
    if (i == 0 || text[i - 1] == sep) {
      fieldStarts[fields.size()] = static_cast<int32_t>(i);
      fields.emplace_back();
    }
    fields.back().push_back(text[i]);
  }
  return static_cast<int32_t>(fields.size());
}

int32_t FieldSplitter::GetField(int32_t index, std::u16string& field) const {
  if (index < 0 || static_cast<size_t>(index) >= fields.size()) return -1;
  field = fields[static_cast<size_t>(index)];
  return 0;
}

}  // namespace qv
