#pragma once

#include <cstdint>

namespace qv {

// The three conversion options that macro expansion reads; filled from the run's options.
struct MacroOptions {
  int32_t decimalIndex = 0;  // 0..3: subprogram coordinates printed with 1 to 4 decimals
  int32_t exactStop = 0;     // 0 G09 on the approach, 1 lone G00 corner stops, 2 none
  int32_t cutterSide = 0;    // 0 left-hand (G41), 1 right-hand (G42)

  bool operator==(const MacroOptions&) const = default;
};

}  // namespace qv
