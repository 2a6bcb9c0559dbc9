#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "post/PostLimits.h"

namespace qv {

// Line counts of a machining condition's groups as this version writes them; the last six
// values are reserved and written as 0.
inline constexpr std::array<int32_t, kLayoutValueCount> kDefaultLayout = {4, 2, 3, 3, 4, 3, 3, 4,
                                                                          1, 0, 0, 0, 0, 0, 0};

// The machining condition of one (material, thickness) pair, fields in post file order.
struct MachiningCondition {
  int32_t workChute = 0;  // 1 present, 0 none
  std::array<int32_t, kLayoutValueCount> layout = kDefaultLayout;
  std::array<std::u16string, 4> programVariables;  // [A] [B] [C] [D]
  std::array<std::u16string, 2> punch;             // source, converted
  std::array<std::u16string, 3> marking;           // source 1, converted, source 2
  std::array<std::u16string, 3> longSideLimits;
  std::array<std::u16string, 4> shapeCodes;  // L M H U
  std::array<std::u16string, 3> lineLengthLimits;
  std::array<std::u16string, 3> arcRadiusLimits;
  std::array<std::u16string, 4> elementCodes;  // L M H U
  int32_t autoConditionBasis = 0;              // 0 by shape, 1 by element
  std::u16string workChuteCode;
  std::u16string workChuteMinLength;
  std::u16string cutSourceCondition;
  int32_t conditionIsModal = 0;

  bool operator==(const MachiningCondition&) const = default;
};

}  // namespace qv
