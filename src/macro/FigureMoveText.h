#pragma once

#include <optional>
#include <string>

#include "macro/PlaneGeometry.h"

namespace qv {

// One move of a contour: a line to a point, or an arc to a point about a centre.
struct ContourStep {
  enum class Kind { Line, Clockwise, CounterClockwise };
  Kind kind = Kind::Line;
  Point to;
  Point centre;
  bool operator==(const ContourStep&) const = default;
};

// "X" x "Y" y of a point, each value printed with 3 decimals; nullopt when a value cannot be
// printed (see FormatNcNumber).
std::optional<std::u16string> CoordinateText(Point p);

// The text of one move that starts at `from`: "G01" "X" dx "Y" dy for a line, "G02"
// (clockwise) or "G03" "X" dx "Y" dy "I" ix "J" iy for an arc. Each increment is the exact
// difference of the exact points (end or centre less `from`), printed with 3 decimals on its
// own, so a contour closes within rounding; nullopt when a value cannot be printed.
std::optional<std::u16string> MoveText(Point from, const ContourStep& step);

}  // namespace qv
