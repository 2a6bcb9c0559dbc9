#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "macro/PlaneGeometry.h"

namespace qv {

// The grid of a "G98" line: reference point, pitches, and P + 1 columns by K + 1 rows.
struct G98Grid {
  double x0 = 0;
  double y0 = 0;
  double i = 0;  // X pitch
  double j = 0;  // Y pitch
  int32_t p = 0;
  int32_t k = 0;
  bool operator==(const G98Grid&) const = default;
};

// G75 repeats a macro row by row along X, G76 column by column along Y.
enum class PatternCode { G75, G76 };

// The grid points in the order pattern kind `kind` visits them, at most `limit` of them; the
// start point is rounded to `digits` decimals and every further position is reached by adding
// the pitches, as the target machine's own positioning would. nullopt for a kind the code has
// no traversal for. A negative P or K gives no points.
std::optional<std::vector<Point>> GridPoints(const G98Grid& grid, PatternCode code, int32_t kind,
                                             int digits, size_t limit);

}  // namespace qv
