#include "macro/MacroPatterns.h"

#include <cmath>

namespace qv {
namespace {

bool WithinFullTurn(double angle) { return angle >= -360 && angle <= 360; }

double Radians(double degrees) { return degrees * kPi / 180.0; }

// A count word: its whole part, which must be at least 1.
bool ValidCount(double value) { return std::trunc(value) >= 1; }

int64_t Count(double value) { return static_cast<int64_t>(std::trunc(value)); }

int CheckCircle(MacroWords& w) {
  if (!w.hasI || w.i <= 0) return -1;
  if (!w.hasJ) w.j = 0;
  if (!WithinFullTurn(w.j)) return -1;
  if (!w.hasK || !ValidCount(w.k) || Count(w.k) > kMaxPatternPositions) return -1;
  if (w.g == 129 && w.hasP && !WithinFullTurn(w.p)) return -1;
  return 0;
}

int CheckLine(MacroWords& w) {
  if (!w.hasI) return -1;
  if (!w.hasJ) w.j = 0;
  if (!WithinFullTurn(w.j)) return -1;
  if (!w.hasK || !ValidCount(w.k) || Count(w.k) >= kMaxPatternPositions) return -1;
  return 0;
}

int CheckGrid(MacroWords& w) {
  if (!w.hasI || !w.hasJ || !w.hasP || !w.hasK) return -1;
  if (!w.hasQ) w.q = 0;
  if (!WithinFullTurn(w.q)) return -1;
  if (!ValidCount(w.p) || !ValidCount(w.k)) return -1;
  // Steps, so the grid has one row and one column more than the counts say.
  if ((Count(w.p) + 1) * (Count(w.k) + 1) > kMaxPatternPositions) return -1;
  return 0;
}

// G126 and G129: figures on a circle about the base point.
std::vector<PatternStop> CircleStops(const MacroWords& w, Point base, bool angleGrows) {
  const int64_t count = Count(w.k);
  const bool pitched = w.g == 129 && w.hasP;
  const double step = pitched ? w.p : 360.0 / static_cast<double>(count);
  std::vector<PatternStop> stops;
  stops.reserve(static_cast<size_t>(count));
  double angle = w.j;
  double patternAngle = w.j;
  for (int64_t i = 0; i < count; ++i) {
    const double a = Radians(angle);
    stops.push_back({{base.x + w.i * std::cos(a), base.y + w.i * std::sin(a)}, patternAngle});
    angle += step;
    if (step > 0 && angle >= 360) angle -= 360;
    if (pitched && step < 0 && angle <= -360) angle += 360;
    if (angleGrows) patternAngle += step;
  }
  return stops;
}

// G128: figures along a line from the base point.
std::vector<PatternStop> LineStops(const MacroWords& w, Point base, bool carriesPosition) {
  const int64_t count = Count(w.k);
  const double a = Radians(w.j);
  std::vector<PatternStop> stops;
  stops.reserve(static_cast<size_t>(count + 1));
  for (int64_t i = carriesPosition ? 0 : 1; i <= count; ++i) {
    const double d = static_cast<double>(i) * w.i;
    stops.push_back({{base.x + d * std::cos(a), base.y + d * std::sin(a)}, 0});
  }
  return stops;
}

// G136 (row by row) and G137 (column by column), serpentine, turned about the base by Q.
std::vector<PatternStop> GridStops(const MacroWords& w, Point base, bool carriesPosition) {
  const bool byRows = w.g == 136;
  const int64_t outer = byRows ? Count(w.k) : Count(w.p);
  const int64_t inner = byRows ? Count(w.p) : Count(w.k);
  const double q = Radians(w.q);
  const double cosQ = std::cos(q);
  const double sinQ = std::sin(q);
  std::vector<PatternStop> stops;
  stops.reserve(static_cast<size_t>((outer + 1) * (inner + 1)));
  for (int64_t o = 0; o <= outer; ++o) {
    for (int64_t n = 0; n <= inner; ++n) {
      if (o == 0 && n == 0 && !carriesPosition) continue;
      const int64_t along = o % 2 == 0 ? n : inner - n;
      const double column = static_cast<double>(byRows ? along : o);
      const double row = static_cast<double>(byRows ? o : along);
      const double dx = w.i * column;
      const double dy = w.j * row;
      stops.push_back({{base.x + dx * cosQ - dy * sinQ, base.y + dx * sinQ + dy * cosQ}, 0});
    }
  }
  return stops;
}

}  // namespace

int CheckPattern(MacroWords& words) {
  switch (words.g) {
    case 126:
    case 129:
      return CheckCircle(words);
    case 128:
      return CheckLine(words);
    case 136:
    case 137:
      return CheckGrid(words);
    default:
      return -1;
  }
}

std::vector<PatternStop> PatternStops(const MacroWords& pattern, Point base, bool carriesPosition,
                                      bool angleGrows) {
  switch (pattern.g) {
    case 126:
    case 129:
      return CircleStops(pattern, base, angleGrows);
    case 128:
      return LineStops(pattern, base, carriesPosition);
    case 136:
    case 137:
      return GridStops(pattern, base, carriesPosition);
    default:
      return {};
  }
}

}  // namespace qv
