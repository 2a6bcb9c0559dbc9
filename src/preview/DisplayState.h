#pragma once

#include <array>
#include <cstdint>

namespace qv {

// The display state the main window sets and each paint of the preview reads: the redraw
// request (1: start from scratch at the next paint) and the four display settings (colour
// table rebuild, background, cutting and rapid colour indexes).
struct DisplayState {
  int32_t redrawRequest = 1;
  std::array<int32_t, 4> settings{0, 0, 5, 4};
  bool operator==(const DisplayState&) const = default;
};

}  // namespace qv
