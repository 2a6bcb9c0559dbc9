#pragma once

#include <cstdint>
#include <optional>

#include "preview/Canvas.h"

namespace qv {

// Indexes of the colour table that mean something other than a colour.
inline constexpr int32_t kTransparentTextIndex = 29;
inline constexpr int32_t kLastColourIndex = 31;

// The colour of a table index: the eight primaries at full level (0 to 7), then the seven
// non-black ones at 192, 128 and 64; nullopt above 31 (the empty pen or hollow brush) and for
// the indexes that hold no colour.
std::optional<Rgb> ColourOf(int32_t index);

}  // namespace qv
