#pragma once

// The post, material and thickness names as the post store and the settings both keep them.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Longest post, material or thickness name, in UTF-16 units; longer names are cut.
inline constexpr int32_t kMaxNameLength = 40;

// A selected name as stored (oldName) and as it is to be written (newName); both are equal
// unless an operation renames.
struct NamePair {
  std::u16string oldName;
  std::u16string newName;

  bool operator==(const NamePair&) const = default;
};

// The name cut to kMaxNameLength.
inline std::u16string CutName(std::u16string_view name) {
  return std::u16string(name.substr(0, static_cast<size_t>(kMaxNameLength)));
}

}  // namespace qv
