#pragma once

#include <string>
#include <vector>

#include "macro/PlaneGeometry.h"

namespace qv {

// One move of a contour: a line to a point, or an arc to a point about a centre.
struct ContourStep {
  enum class Kind { Line, Clockwise, CounterClockwise };
  Kind kind = Kind::Line;
  Point to;
  Point centre;
};

// Writes the moves of one figure as NC text with 3 decimals. Every increment is taken from
// the position the printed text has reached, so rounding never adds up along a contour; an
// arc's printed end and centre are chosen on the 0.001 grid, at most 0.002 from the exact
// ones, so that its start and end lie at the same distance from its centre as nearly as the
// grid allows (within 0.0002 mostly), that it has a length and runs the way it should.
// Coordinates must stay below kFigureCoordinateLimit.
class FigureMoveText {
 public:
  // Starts at the point a rapid move reaches: the point rounded to 3 decimals.
  explicit FigureMoveText(Point start);

  // "X" x "Y" y of the start as the rapid prints it.
  std::u16string RapidCoordinates() const;
  // "G01" "X" dx "Y" dy to the point.
  std::u16string LineTo(Point to);
  // "G02" (clockwise) or "G03", "X" dx "Y" dy "I" ix "J" iy to the point about the centre.
  std::u16string ArcTo(bool clockwise, Point to, Point centre);
  // The lines of a closed contour that starts at the present position: its last move lands
  // exactly on the rounded last point; when that is an arc whose radii the grid cannot keep,
  // the end of the move before it is moved instead, and failing that (rarely), with three
  // moves or more, the closing arc's own end by 0.001.
  std::vector<std::u16string> Contour(const std::vector<ContourStep>& steps);

 private:
  std::u16string Step(const ContourStep& step, bool fixedEnd);

  Point start_;
  // The printed position, in thousandths.
  long long x_ = 0;
  long long y_ = 0;
};

}  // namespace qv
