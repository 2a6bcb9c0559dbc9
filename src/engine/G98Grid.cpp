#include "engine/G98Grid.h"

#include <array>

#include "nctext/NcWords.h"

namespace qv {
namespace {

// Which end of the grid a traversal starts from: along the line (inner) and across the lines
// (outer). Starting at the far end means moving back by the pitch.
struct Traversal {
  bool innerFar = false;
  bool outerFar = false;
};

// Kinds 1 to 4 (and 11 to 14, the one-way forms) by code. G75 lines are rows along X, so its
// inner axis is X; G76 lines are columns along Y.
constexpr std::array<Traversal, 4> kG75Traversals = {
    {{false, false}, {true, false}, {false, true}, {true, true}}};
constexpr std::array<Traversal, 4> kG76Traversals = {
    {{false, false}, {false, true}, {true, false}, {true, true}}};

// One axis of the walk: where it starts, the pitch and the number of steps between its ends.
struct Axis {
  double start = 0;
  double pitch = 0;
  int32_t steps = 0;
};

Axis MakeAxis(double origin, double pitch, int32_t steps, bool far, int digits) {
  const double start = RoundToDigits(far ? origin + steps * pitch : origin, digits);
  return {start, far ? -pitch : pitch, steps};
}

std::vector<Point> Walk(Axis inner, Axis outer, bool zigZag, bool innerIsX, size_t limit) {
  std::vector<Point> points;
  double innerValue = inner.start;
  double outerValue = outer.start;
  for (int64_t line = 0; line <= outer.steps; ++line) {
    if (!zigZag) innerValue = inner.start;
    for (int64_t step = 0; step <= inner.steps; ++step) {
      if (points.size() >= limit) return points;
      points.push_back(innerIsX ? Point{innerValue, outerValue} : Point{outerValue, innerValue});
      if (step < inner.steps) innerValue += inner.pitch;
    }
    if (zigZag) inner.pitch = -inner.pitch;
    outerValue += outer.pitch;
  }
  return points;
}

}  // namespace

std::optional<std::vector<Point>> GridPoints(const G98Grid& grid, PatternCode code, int32_t kind,
                                             int digits, size_t limit) {
  const bool zigZag = kind >= 1 && kind <= 4;
  if (!zigZag && !(kind >= 11 && kind <= 14)) return std::nullopt;
  if (grid.p < 0 || grid.k < 0) return std::vector<Point>{};
  const bool rows = code == PatternCode::G75;
  const Traversal t = (rows ? kG75Traversals : kG76Traversals)[static_cast<size_t>(kind % 10 - 1)];
  const Axis xAxis = MakeAxis(grid.x0, grid.i, grid.p, rows ? t.innerFar : t.outerFar, digits);
  const Axis yAxis = MakeAxis(grid.y0, grid.j, grid.k, rows ? t.outerFar : t.innerFar, digits);
  return rows ? Walk(xAxis, yAxis, zigZag, true, limit) : Walk(yAxis, xAxis, zigZag, false, limit);
}

}  // namespace qv
