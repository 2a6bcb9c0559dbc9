#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qv {

// The words of one block as the preview reads them. Numbers of X, Y, I, J and R are in
// program units; integer addresses hold 0 when their value is not all digits.
struct BlockWords {
  static constexpr size_t kMaxCodes = 8;
  std::array<int32_t, kMaxCodes> g{};
  size_t gCount = 0;
  std::array<int32_t, kMaxCodes> m{};
  size_t mCount = 0;
  double x = 0, y = 0, i = 0, j = 0, r = 0;
  bool hasX = false, hasY = false, hasI = false, hasJ = false, hasR = false;
  int32_t h = 0, k = 0, n = 0, o = 0, p = 0, q = 0, u = 0, v = 0, w = 0;
  bool hasH = false, hasK = false, hasN = false, hasO = false, hasP = false, hasQ = false;
  bool hasU = false, hasV = false, hasW = false, hasT = false;
  // G04 was read: nothing after it counts.
  bool dwell = false;
  // A coordinate-system code (52, 54 to 59, 92, 93) was read: X and Y set no position.
  bool coordinateChange = false;
  // A G code of a figure or pattern macro (111 to 116, 126 to 137) was read.
  bool macro = false;
  bool operator==(const BlockWords&) const = default;

  bool HasG(int32_t code) const;
  bool HasM(int32_t code) const;
};

// Reads a block letter by letter. A value runs from its address letter to the next capital
// letter, "e" or ";"; text in parentheses is a comment; a line holding "#" reads as empty.
// Values of X, Y, I, J and R without a decimal point are divided by unitFactor.
BlockWords ReadBlockWords(std::u16string_view line, double unitFactor);

}  // namespace qv
