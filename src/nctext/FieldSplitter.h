#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Most fields one split records.
inline constexpr int kMaxFields = 1000;

// Splits text at one single-byte separator ("|" for the start-up arguments) and remembers
// where each field starts. Runs of separators and separators at either end give no field.
struct FieldSplitter {
  std::u16string text;
  char separator = '|';
  std::array<int32_t, kMaxFields> fieldStarts{};
  std::vector<std::u16string> fields;

  // Splits text; returns the number of fields, or -1 (no fields kept) when the text holds more
  // than kMaxFields of them.
  int32_t SplitFields();
  // 0 and the field, or -1 (field unchanged) for an index outside the fields.
  int32_t GetField(int32_t index, std::u16string& field) const;
};

}  // namespace qv
