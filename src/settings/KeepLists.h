#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Most "Remain1Code" entries the keep list holds.
inline constexpr size_t kMaxRemain1Codes = 100;

// A G or M code the conversion keeps: its letter and number.
struct Remain1Code {
  char16_t letter = u'G';
  int32_t number = 0;
  bool operator==(const Remain1Code&) const = default;
};

// The keep lists of "System\ReadOnly.dat".
struct KeepLists {
  int32_t oCodeCheckCounter = 0;
  std::vector<Remain1Code> remain1Codes;       // at most kMaxRemain1Codes
  std::vector<std::u16string> remain1Strings;  // "?" stands for any one character
  bool operator==(const KeepLists&) const = default;
};

// Reads the keep lists from path (a header line, then lines of a key and its values). A missing
// file or unreadable header leaves them empty and gives -1; otherwise 0 after a clean close.
// "Remain1Code" values beyond kMaxRemain1Codes are refused.
int32_t LoadKeepLists(const std::u16string& path, KeepLists& lists);

}  // namespace qv
