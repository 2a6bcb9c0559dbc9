#include "macro/FigureGeometry.h"

#include <cmath>

namespace qv {

namespace {

constexpr double kDegree = kPi / 180;

// Appends to the fixed lists; the capacities cover the largest figure the checks admit, so
// a refusal here means a figure the checks should have stopped.
bool AddPoint(FigureShape& shape, Point p) {
  if (shape.pointCount >= kFigurePointCapacity) return false;
  shape.points[shape.pointCount++] = p;
  return true;
}

bool AddCentre(FigureShape& shape, Point c) {
  if (shape.centreCount >= kFigureCentreCapacity) return false;
  shape.arcCentres[shape.centreCount++] = c;
  return true;
}

Point Polar(Point origin, double distance, double angle) {
  return {origin.x + distance * std::cos(angle), origin.y + distance * std::sin(angle)};
}

FigureCorner CornerOf(const MacroWords& w) {
  if (w.r >= 0.000001) return FigureCorner::Rounded;
  if (w.c >= 0.000001) return FigureCorner::Chamfered;
  return FigureCorner::Square;
}

int BuildRectangle(const MacroWords& w, FigureShape& s) {
  const double x = w.x, y = w.y;
  const double hx = std::fabs(w.i) / 2, hy = w.j / 2;
  s.form = FigureForm::Rectangle;
  s.corner = CornerOf(w);
  AddPoint(s, {x + hx - w.q, y});
  AddPoint(s, {x + hx, y});
  if (s.corner == FigureCorner::Square) {
    for (Point p : {Point{x + hx, y + hy}, Point{x - hx, y + hy}, Point{x - hx, y - hy},
                    Point{x + hx, y - hy}, Point{x + hx, y}, Point{x, y}}) {
      AddPoint(s, p);
    }
    return 0;
  }
  const double r = s.corner == FigureCorner::Rounded ? w.r : w.c;
  for (Point p :
       {Point{x + hx, y + hy - r}, Point{x + hx - r, y + hy}, Point{x - hx + r, y + hy},
        Point{x - hx, y + hy - r}, Point{x - hx, y - hy + r}, Point{x - hx + r, y - hy},
        Point{x + hx - r, y - hy}, Point{x + hx, y - hy + r}, Point{x + hx, y}, Point{x, y}}) {
    AddPoint(s, p);
  }
  if (s.corner == FigureCorner::Rounded) {
    for (Point c : {Point{x + hx - r, y + hy - r}, Point{x - hx + r, y + hy - r},
                    Point{x - hx + r, y - hy + r}, Point{x + hx - r, y - hy + r}}) {
      AddCentre(s, c);
    }
  }
  return 0;
}

int BuildCircleOrSlot(const MacroWords& w, FigureShape& s) {
  const double x = w.x, y = w.y;
  const double a = std::fabs(w.i), e = a / 2, h = w.j / 2;
  AddPoint(s, {x + e - w.q, y});
  AddPoint(s, {x + e, y});
  if (!w.hasJ || std::fabs(a - w.j) <= 0.001) {
    s.form = FigureForm::Circle;
    for (Point p : {Point{x - e, y}, Point{x + e, y}, Point{x, y}}) AddPoint(s, p);
    AddCentre(s, {x, y});
    AddCentre(s, {x, y});
    return 0;
  }
  s.form = FigureForm::Slot;
  for (Point p : {Point{x + e - h, y + h}, Point{x - e + h, y + h}, Point{x - e + h, y - h},
                  Point{x + e - h, y - h}, Point{x + e, y}, Point{x, y}}) {
    AddPoint(s, p);
  }
  for (Point c : {Point{x + e - h, y}, Point{x - e + h, y}, Point{x + e - h, y}}) AddCentre(s, c);
  return 0;
}

int BuildFlats(const MacroWords& w, FigureShape& s) {
  const Point centre{w.x, w.y};
  const double radius = std::fabs(w.i) / 2;
  const bool oneFlat = w.j < -0.000001;
  const double height = oneFlat ? std::fabs(w.j) - radius : std::fabs(w.j) / 2;
  const int count = LineCircleCount(LineAtAngle({w.x, w.y + height}, 0), centre, radius);
  if (count == 0) return -1;
  const double half = std::sqrt(std::max(0.0, radius * radius - height * height));
  if (count == 1 || 2 * half <= 0.001) {
    const Point top{w.x, w.y + radius}, bottom{w.x, w.y - radius};
    s.form = FigureForm::FullCircle;
    for (Point p : {Point{top.x, w.y + std::fabs(w.j) / 2 - w.q}, top, bottom, top, centre}) {
      AddPoint(s, p);
    }
    AddCentre(s, centre);
    AddCentre(s, centre);
    return 0;
  }
  const Point b{w.x - half, w.y + height}, a{w.x + half, w.y + height};
  // The pierce point lies on the way from B to the centre, Q from B.
  const Point p0{b.x + w.q * (centre.x - b.x) / radius, b.y + w.q * (centre.y - b.y) / radius};
  AddPoint(s, p0);
  if (oneFlat) {
    s.form = FigureForm::OneFlat;
    for (Point p : {b, a, b, centre}) AddPoint(s, p);
    AddCentre(s, centre);
    return 0;
  }
  s.form = FigureForm::TwoFlats;
  const Point c{w.x - half, w.y - height}, d{w.x + half, w.y - height};
  for (Point p : {b, c, d, a, b, centre}) AddPoint(s, p);
  AddCentre(s, centre);
  AddCentre(s, centre);
  return 0;
}

int BuildPolygon(const MacroWords& w, FigureShape& s) {
  const Point centre{w.x, w.y};
  const double side = std::fabs(w.i);
  // Counted by the whole part, as every repeat count is read.
  const int n = static_cast<int>(std::trunc(w.j));
  if (n < 3 || n > kMaxPolygonSides) return -1;
  s.form = FigureForm::Polygon;
  s.corner = CornerOf(w);
  AddPoint(s, {w.x, w.y - side + w.q});
  AddPoint(s, {w.x, w.y - side});
  const double step = 2 * kPi / n;
  const double vertexDistance = side / std::cos(kPi / n);
  // Distance from a vertex to where a corner circle of radius R touches the sides.
  const double tangentLength = w.r * std::tan(kPi / n);
  for (int k = 1; k <= n; ++k) {
    const double vertexAngle = -kPi / 2 + (k - 0.5) * step;
    const Point vertex = Polar(centre, vertexDistance, vertexAngle);
    if (s.corner == FigureCorner::Square) {
      AddPoint(s, vertex);
      continue;
    }
    // Side k-1 runs counter-clockwise at the angle of its normal plus 90 degrees.
    const double inAngle = (k - 1) * step, outAngle = k * step;
    const double back = s.corner == FigureCorner::Rounded ? tangentLength : w.c;
    AddPoint(s, Polar(vertex, -back, inAngle));
    AddPoint(s, Polar(vertex, back, outAngle));
    if (s.corner == FigureCorner::Rounded) {
      AddCentre(s, Polar(centre, (side - w.r) / std::cos(kPi / n), vertexAngle));
    }
  }
  AddPoint(s, s.points[1]);
  AddPoint(s, centre);
  return 0;
}

int BuildArcSlot(const MacroWords& w, FigureShape& s, FigureForm form) {
  const Point o{w.x, w.y - w.r};
  const double h = w.j / 2;
  // The sign of I only says that the figure follows a pattern; the slot spans |I|.
  const double rayA = (90 - std::fabs(w.i) / 2) * kDegree;
  const double rayB = (90 + std::fabs(w.i) / 2) * kDegree;
  s.form = form;
  const Point p1{w.x, w.y - h};
  for (Point p : {Point{w.x, w.y - h + w.q}, p1, Polar(o, w.r - h, rayA), Polar(o, w.r + h, rayA),
                  Polar(o, w.r + h, rayB), Polar(o, w.r - h, rayB), p1, Point{w.x, w.y}}) {
    AddPoint(s, p);
  }
  if (form == FigureForm::RoundEndSlot) {
    for (Point c : {o, Polar(o, w.r, rayA), o, Polar(o, w.r, rayB), o}) AddCentre(s, c);
  } else {
    for (Point c : {o, o, o}) AddCentre(s, c);
  }
  return 0;
}

}  // namespace

int BuildFigureGeometry(const MacroWords& words, FigureShape& shape) {
  shape = FigureShape{};
  int result = -1;
  switch (words.g) {
    case 111:
      result = BuildRectangle(words, shape);
      break;
    case 112:
      result = BuildCircleOrSlot(words, shape);
      break;
    case 113:
      result = BuildFlats(words, shape);
      break;
    case 114:
      result = BuildPolygon(words, shape);
      break;
    case 115:
      result = BuildArcSlot(words, shape, FigureForm::RoundEndSlot);
      break;
    case 116:
      result = BuildArcSlot(words, shape, FigureForm::SquareEndSlot);
      break;
    default:
      break;
  }
  if (result != 0) shape = FigureShape{};
  return result;
}

void TurnFigure(const MacroWords& words, double patternAngle, FigureShape& shape) {
  const Point centre{words.x, words.y};
  auto turn = [&](double degrees) {
    if (degrees == 0) return;  // keeps the points exactly as built
    const double cosA = std::cos(degrees * kDegree), sinA = std::sin(degrees * kDegree);
    for (int n = 0; n < shape.pointCount; ++n) {
      shape.points[n] = RotatePoint(shape.points[n], centre, cosA, sinA);
    }
    for (int n = 0; n < shape.centreCount; ++n) {
      shape.arcCentres[n] = RotatePoint(shape.arcCentres[n], centre, cosA, sinA);
    }
  };
  turn(words.k);
  if (words.i < 0.000001) turn(patternAngle);
}

}  // namespace qv
