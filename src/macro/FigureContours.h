#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "macro/MacroWords.h"
#include "macro/PlaneGeometry.h"

namespace qv {

// Most sides a polygon figure may have.
inline constexpr int kMaxPolygonSides = 99;
// Room for the largest figure: a polygon of 99 sides with rounded or chamfered corners needs
// two points per corner plus the pierce point, the start twice and the position.
inline constexpr int kFigurePointCapacity = 2 * kMaxPolygonSides + 4;
inline constexpr int kFigureCentreCapacity = kMaxPolygonSides;

// What a figure's generator needs from the macro state and the options.
struct FigureContext {
  int32_t incremental = 0;       // distance mode of the program: 0 absolute (G90), 1 incremental
  double patternAngle = 0;       // extra turn (degrees) for figures whose I is negative
  int32_t exactStop = 0;         // 0 G09 on the approach, 1 lone G00 corner stops, 2 none
  int32_t cuttingDirection = 0;  // 0 left-hand (G41 for a positive approach), 1 right-hand

  bool operator==(const FigureContext&) const = default;
};

// The outline a figure's geometry settled on, which picks its contour order.
enum class FigureForm {
  None,
  Rectangle,      // G111
  Circle,         // G112 with equal length and width
  Slot,           // G112
  OneFlat,        // G113
  TwoFlats,       // G113
  FullCircle,     // G113 whose chord only touches the circle
  Polygon,        // G114
  RoundEndSlot,   // G115
  SquareEndSlot,  // G116
};

// Corners of rectangles and polygons.
enum class FigureCorner { Square, Rounded, Chamfered };

// The working lists of one figure: contour points (P0 is the pierce point, P1 the start of
// the contour) and arc centres, absolute in the figure's frame.
struct FigureShape {
  std::array<Point, kFigurePointCapacity> points{};
  int32_t pointCount = 0;
  std::array<Point, kFigureCentreCapacity> arcCentres{};
  int32_t centreCount = 0;
  FigureForm form = FigureForm::None;
  FigureCorner corner = FigureCorner::Square;
};

// The tests and defaults of a figure line (words.g is 111 to 116), to run on the words after
// the modal completion: fills in the defaults (values only, never presence flags) and returns
// 0 when the figure is valid, -1 when it is invalid, -3 when it is valid but has no position
// (neither X nor Y), so nothing is cut.
int CheckFigure(MacroWords& words);

// The lines that cut a checked figure at its position, appended to `out`. `shape` receives
// the figure's points and centres after turning. Returns 0; -1 when the geometry has no
// solution (a G113 chord that misses the circle, or a code that is not a figure); -2 when a
// value has no NC text (a point or increment not a number, or beyond kNcValueLimit). Nothing
// is appended unless it returns 0.
int GenerateFigure(const MacroWords& words, const FigureContext& context, FigureShape& shape,
                   std::vector<std::u16string>& out);

// As above, with a scratch shape.
int GenerateFigure(const MacroWords& words, const FigureContext& context,
                   std::vector<std::u16string>& out);

}  // namespace qv
