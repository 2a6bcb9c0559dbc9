#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "macro/MacroWords.h"
#include "macro/PlaneGeometry.h"
#include "platform/WorkLimit.h"

namespace qv {

// Most figures one pattern line may place; a larger count is refused as invalid, since it
// would only exhaust memory.
inline constexpr int64_t kMaxPatternPositions = WorkLimit<int64_t>(100000);
// Most lines one pattern line may produce (a polygon of many rounded corners takes some two
// hundred lines per position).
inline constexpr size_t kMaxPatternLines = WorkLimit<size_t>(1000000);

// One place a pattern puts its figure, with the pattern angle (degrees) that a figure with a
// negative I is turned by there.
struct PatternStop {
  Point position;
  double patternAngle = 0;
  bool operator==(const PatternStop&) const = default;
};

// The check of a pattern line (words.g is 126, 128, 129, 136 or 137): fills in the defaults
// (values only) and returns 0 when valid, -1 when invalid.
int CheckPattern(MacroWords& words);

// The stops of a checked pattern in the order the figures are cut. `base` is the pattern's base
// point; `carriesPosition` says whether the pattern line had X or Y, which for G128, G136 and
// G137 puts a figure on the base point itself. On a circle the pattern angle starts at J and
// grows by the pitch only when `angleGrows` (the repeated figure's I is negative); elsewhere it
// stays 0.
std::vector<PatternStop> PatternStops(const MacroWords& pattern, Point base, bool carriesPosition,
                                      bool angleGrows);

}  // namespace qv
