#pragma once

#include <cstdint>

namespace qv {

// The words of one macro line: the G number (-1 when the line has none), then a value and a
// presence flag (0 or 1) for each of X, Y, I, J, K, Q, R, C and P. What a letter means
// depends on the code. A default-constructed record is the cleared record.
struct MacroWords {
  int32_t g = -1;
  double x = 0;
  int32_t hasX = 0;
  double y = 0;
  int32_t hasY = 0;
  double i = 0;
  int32_t hasI = 0;
  double j = 0;
  int32_t hasJ = 0;
  double k = 0;
  int32_t hasK = 0;
  double q = 0;
  int32_t hasQ = 0;
  double r = 0;
  int32_t hasR = 0;
  double c = 0;
  int32_t hasC = 0;
  double p = 0;
  int32_t hasP = 0;

  bool operator==(const MacroWords&) const = default;
};

}  // namespace qv
