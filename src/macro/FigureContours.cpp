#include "macro/FigureContours.h"

#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

#include "macro/FigureGeometry.h"
#include "macro/FigureMoveText.h"
#include "nctext/NcWords.h"

namespace qv {

namespace {

// Q when the line gives none: 10 for large figures, else half the size.
void DefaultApproach(MacroWords& w, bool large, double half) {
  if (!w.hasQ) w.q = large ? 10 : half;
}

bool AngleOutOfRange(double k) { return k < -360 || k > 360; }

int CheckRectangleOrSlot(MacroWords& w) {
  if (!w.hasJ) w.j = w.i;
  if (w.j < 0 || w.j > std::fabs(w.i)) return -1;
  DefaultApproach(w, w.j >= 20, w.j / 2);
  if (AngleOutOfRange(w.k)) return -1;
  if (w.g == 112) return w.hasR || w.hasC ? -1 : 0;
  if (w.hasR && w.hasC) return -1;
  if (w.r < 0 || 2 * w.r >= w.j) return -1;
  if (w.c < 0 || 2 * w.c >= w.j) return -1;
  return 0;
}

int CheckFlats(MacroWords& w) {
  if (!w.hasJ) w.j = w.i;
  if (std::fabs(w.j) > std::fabs(w.i)) return -1;
  if (w.hasJ && w.j < 0 && std::fabs(w.j) < w.i / 2) return -1;
  DefaultApproach(w, std::fabs(w.j) >= 20, std::fabs(w.j) / 2);
  if (AngleOutOfRange(w.k)) return -1;
  return w.hasR || w.hasC ? -1 : 0;
}

int CheckPolygon(MacroWords& w) {
  if (!w.hasJ || w.j <= 2.999999 || w.j >= 99.000001) return -1;
  const double side = std::fabs(w.i);
  DefaultApproach(w, side > 19.999999, side / 2);
  w.k = std::fmod(w.k, 360);
  if (w.hasR && w.hasC) return -1;
  if (w.r <= -0.000001 || w.r >= side) return -1;
  if (w.c <= -0.000001 || w.c >= side) return -1;
  return 0;
}

int CheckArcSlot(MacroWords& w) {
  if (!w.hasI || !w.hasJ || !w.hasR) return -1;
  if (w.i <= -360.000001 || w.i >= 360.000001) return -1;
  if (w.j < 0.000001) return -1;
  if (w.r < 0.000001 || w.r < w.j / 2) return -1;
  DefaultApproach(w, w.j > 19.999999, w.j / 2);
  w.k = std::fmod(w.k, 360);
  return 0;
}

}  // namespace

int CheckFigure(MacroWords& words) {
  int result = -1;
  switch (words.g) {
    case 111:
    case 112:
      result = CheckRectangleOrSlot(words);
      break;
    case 113:
      result = CheckFlats(words);
      break;
    case 114:
      result = CheckPolygon(words);
      break;
    case 115:
    case 116:
      result = CheckArcSlot(words);
      break;
    default:
      break;
  }
  if (result != 0) return result;
  return words.hasX || words.hasY ? 0 : -3;
}

namespace {

enum class MoveKind { Line, Clockwise, CounterClockwise };

// One contour move from point `from` to point `to`; arcs turn about centre `centre`.
struct Move {
  int from;
  int to;
  MoveKind kind = MoveKind::Line;
  int centre = 0;
};

using Moves = std::vector<Move>;
constexpr MoveKind L = MoveKind::Line;
constexpr MoveKind CW = MoveKind::Clockwise;
constexpr MoveKind CCW = MoveKind::CounterClockwise;

// Contours in the left-hand direction (counter-clockwise round the figure).
Moves LeftHandContour(const FigureShape& s) {
  switch (s.form) {
    case FigureForm::Rectangle:
      if (s.corner == FigureCorner::Square) return {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}};
      if (s.corner == FigureCorner::Chamfered) {
        return {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}};
      }
      return {{1, 2},         {2, 3, CCW, 0}, {3, 4},         {4, 5, CCW, 1}, {5, 6},
              {6, 7, CCW, 2}, {7, 8},         {8, 9, CCW, 3}, {9, 10}};
    case FigureForm::Circle:
    case FigureForm::FullCircle:
      return {{1, 2, CCW, 0}, {2, 3, CCW, 1}};
    case FigureForm::Slot:
      return {{1, 2, CCW, 0}, {2, 3}, {3, 4, CCW, 1}, {4, 5}, {5, 6, CCW, 2}};
    case FigureForm::OneFlat:
      return {{1, 2, CCW, 0}, {2, 3}};
    case FigureForm::TwoFlats:
      return {{1, 2, CCW, 0}, {2, 3}, {3, 4, CCW, 1}, {4, 5}};
    case FigureForm::RoundEndSlot:
      return {{1, 2, CW, 0}, {2, 3, CCW, 1}, {3, 4, CCW, 2}, {4, 5, CCW, 3}, {5, 6, CW, 4}};
    case FigureForm::SquareEndSlot:
      return {{1, 2, CW, 0}, {2, 3}, {3, 4, CCW, 1}, {4, 5}, {5, 6, CW, 2}};
    case FigureForm::Polygon:
    case FigureForm::None:
      break;
  }
  // Polygon: P1, the corner points, then P1 again; a rounded corner is an arc.
  Moves moves;
  const int last = s.pointCount - 2;
  for (int n = 1; n < last; ++n) {
    const bool arc = s.corner == FigureCorner::Rounded && n % 2 == 0;
    moves.push_back({n, n + 1, arc ? CCW : L, arc ? n / 2 - 1 : 0});
  }
  return moves;
}

// Contours in the right-hand direction: the left-hand contour run backwards.
Moves RightHandContour(const FigureShape& s) {
  switch (s.form) {
    case FigureForm::Rectangle:
      if (s.corner == FigureCorner::Square) return {{1, 5}, {5, 4}, {4, 3}, {3, 2}, {2, 6}};
      if (s.corner == FigureCorner::Chamfered) {
        return {{1, 9}, {9, 8}, {8, 7}, {7, 6}, {6, 5}, {5, 4}, {4, 3}, {3, 2}, {2, 1}};
      }
      return {{1, 9},        {9, 8, CW, 3}, {8, 7},        {7, 6, CW, 2}, {6, 5},
              {5, 4, CW, 1}, {4, 3},        {3, 2, CW, 0}, {2, 1}};
    case FigureForm::Circle:
    case FigureForm::FullCircle:
      return {{1, 2, CW, 0}, {2, 3, CW, 1}};
    case FigureForm::Slot:
      return {{1, 5, CW, 2}, {5, 4}, {4, 3, CW, 1}, {3, 2}, {2, 1, CW, 0}};
    case FigureForm::OneFlat:
      return {{1, 2}, {2, 3, CW, 0}};
    case FigureForm::TwoFlats:
      return {{1, 4}, {4, 3, CW, 1}, {3, 2}, {2, 1, CW, 0}};
    case FigureForm::RoundEndSlot:
      return {{1, 5, CCW, 4}, {5, 4, CW, 3}, {4, 3, CW, 2}, {3, 2, CW, 1}, {2, 1, CCW, 0}};
    case FigureForm::SquareEndSlot:
      return {{1, 5, CCW, 2}, {5, 4}, {4, 3, CW, 1}, {3, 2}, {2, 1, CCW, 0}};
    case FigureForm::Polygon:
    case FigureForm::None:
      break;
  }
  Moves moves;
  const Moves left = LeftHandContour(s);
  for (auto m = left.rbegin(); m != left.rend(); ++m) {
    const MoveKind kind = m->kind == CCW ? CW : m->kind;
    // Start from P1 itself rather than its repetition at the end of the list.
    moves.push_back({m == left.rbegin() ? 1 : m->to, m->from, kind, m->centre});
  }
  return moves;
}

ContourStep Step(const FigureShape& s, const Move& m) {
  const auto kind = m.kind == L ? ContourStep::Kind::Line
                                : (m.kind == CW ? ContourStep::Kind::Clockwise
                                                : ContourStep::Kind::CounterClockwise);
  return {kind, s.points[m.to], m.kind == L ? Point{} : s.arcCentres[m.centre]};
}

std::u16string ApproachPrefix(const MacroWords& w, const FigureContext& context) {
  const bool cutsFigure = w.g <= 113;  // G111 to G113; G114 to G116 test Q more strictly
  const bool positive = cutsFigure ? w.q > 0 : w.q >= 0.000001;
  const bool left = (context.cuttingDirection != 1) == positive;
  std::u16string prefix = left ? u"G41" : u"G42";
  if (!cutsFigure || context.exactStop == 0) prefix += u"G09";
  return prefix;
}

// The lines of the figure, or nullopt when a value has no NC text.
std::optional<std::vector<std::u16string>> FigureLines(const MacroWords& w,
                                                       const FigureContext& context,
                                                       const FigureShape& s) {
  std::vector<std::u16string> out;
  const bool marked = w.g <= 113;
  if (marked) out.push_back(u"G00G01G02G03");
  const std::optional<std::u16string> pierce = CoordinateText(s.points[0]);
  const std::optional<std::u16string> approach =
      MoveText(s.points[0], {ContourStep::Kind::Line, s.points[1], {}});
  if (!pierce || !approach) return std::nullopt;
  out.push_back(u"G00" + *pierce);
  out.push_back(u"G91");
  out.push_back(ApproachPrefix(w, context) + *approach);
  const bool stops = marked && context.exactStop == 1;
  const bool stopEachSide =
      stops && s.form == FigureForm::Rectangle && s.corner == FigureCorner::Square;
  if (stops && !stopEachSide) out.push_back(u"G00");
  const Moves moves = context.cuttingDirection == 1 ? RightHandContour(s) : LeftHandContour(s);
  for (const Move& move : moves) {
    std::optional<std::u16string> line = MoveText(s.points[move.from], Step(s, move));
    if (!line) return std::nullopt;
    if (stopEachSide) out.push_back(u"G00");
    out.push_back(std::move(*line));
  }
  out.push_back(context.incremental == 1 ? u"G91" : u"G90");
  out.push_back(u"G00G40");
  return out;
}

}  // namespace

int GenerateFigure(const MacroWords& words, const FigureContext& context, FigureShape& shape,
                   std::vector<std::u16string>& out) {
  if (BuildFigureGeometry(words, shape) != 0) return -1;
  TurnFigure(words, context.patternAngle, shape);
  std::optional<std::vector<std::u16string>> lines = FigureLines(words, context, shape);
  if (!lines) return -2;
  std::move(lines->begin(), lines->end(), std::back_inserter(out));
  return 0;
}

int GenerateFigure(const MacroWords& words, const FigureContext& context,
                   std::vector<std::u16string>& out) {
  FigureShape shape;
  return GenerateFigure(words, context, shape, out);
}

}  // namespace qv
