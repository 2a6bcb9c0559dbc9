#include "macro/PlaneGeometry.h"

#include <cmath>
#include <utility>

namespace qv {

namespace {

GeometryTolerances gTolerances;

double Distance(Point p1, Point p2) { return std::hypot(p2.x - p1.x, p2.y - p1.y); }

void Replace(double& target, double value) {
  if (value != 0) target = value;
}

// The difference of two angles brought into -pi to pi.
double WrapPi(double angle) {
  while (angle > kPi) angle -= 2 * kPi;
  while (angle < -kPi) angle += 2 * kPi;
  return angle;
}

}  // namespace

void SetTolerances(double point, double side, double spare, double parallel, double tangent,
                   double touch) {
  Replace(gTolerances.pointTolerance, point);
  Replace(gTolerances.sideTolerance, side);
  Replace(gTolerances.spareTolerance, spare);
  Replace(gTolerances.parallelTolerance, parallel);
  Replace(gTolerances.tangentTolerance, tangent);
  Replace(gTolerances.touchTolerance, touch);
}

const GeometryTolerances& Tolerances() { return gTolerances; }

ScopedTolerances::ScopedTolerances(double point, double side, double spare, double parallel,
                                   double tangent, double touch)
    : previous_(gTolerances) {
  SetTolerances(point, side, spare, parallel, tangent, touch);
}

ScopedTolerances::~ScopedTolerances() { gTolerances = previous_; }

VectorInfo VectorBetween(Point p1, Point p2) {
  VectorInfo v{p2.x - p1.x, p2.y - p1.y, 0, false};
  v.length = std::hypot(v.dx, v.dy);
  if (v.length < gTolerances.pointTolerance) {
    v.length = 0;
    v.degenerate = true;
  }
  return v;
}

UnitVectorInfo UnitVector(Point p1, Point p2) {
  const VectorInfo v = VectorBetween(p1, p2);
  if (v.degenerate) return {{1, 0}, 0};
  return {{v.dx / v.length, v.dy / v.length}, v.length};
}

Line LineThroughPoints(Point p1, Point p2) {
  const UnitVectorInfo u = UnitVector(p1, p2);
  if (u.length == 0) return {1, 0, 0};
  return {u.direction.x, u.direction.y, u.direction.x * p1.y - u.direction.y * p1.x};
}

Line LineAtAngle(Point p, double angle) {
  const double a = std::cos(angle);
  const double b = std::sin(angle);
  return {a, b, a * p.y - b * p.x};
}

Point RotatePoint(Point p, Point centre, double cosA, double sinA) {
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return {centre.x + dx * cosA - dy * sinA, centre.y + dx * sinA + dy * cosA};
}

Line RotateLineAboutPoint(const Line& line, Point q, double cosA, double sinA) {
  const double a = line.a * cosA - line.b * sinA;
  const double b = line.a * sinA + line.b * cosA;
  return {a, b, a * q.y - b * q.x};
}

Point LineLineIntersection(const Line& l1, const Line& l2) {
  const double d = l1.a * l2.b - l1.b * l2.a;
  return {(l2.a * l1.c - l1.a * l2.c) / d, (l2.b * l1.c - l1.b * l2.c) / d};
}

int LineCircleCount(const Line& line, Point centre, double radius) {
  if (radius < 0.000001) return 0;
  const double distance = std::fabs(line.a * centre.y - line.b * centre.x - line.c);
  if (std::fabs(distance - radius) < gTolerances.tangentTolerance) return 1;
  return distance > radius ? 0 : 2;
}

Point PointOnLineAtDistance(const Line& line, Point p, double d, int side, int count) {
  const double m = line.a * p.y - line.b * p.x - line.c;
  if (count == 1) {
    const double t = Sign(m) * d;
    return {p.x + t * line.b, p.y - t * line.a};
  }
  const Point foot{p.x + m * line.b, p.y - m * line.a};
  const double along = side * std::sqrt(std::max(0.0, d * d - m * m));
  return {foot.x + along * line.a, foot.y + along * line.b};
}

int CircleCircleCount(Point centre1, double r1, Point centre2, double r2) {
  const double d = Distance(centre1, centre2);
  const double touch = gTolerances.touchTolerance;
  if (d < gTolerances.pointTolerance || r1 < 0.000001 || r2 < 0.000001) return 0;
  const double outside = d - (r1 + r2);
  const double inside = std::fabs(r1 - r2) - d;
  if (outside > touch || inside > touch) return 0;
  if (std::fabs(outside) <= touch || std::fabs(inside) <= touch) return 1;
  return 2;
}

Point CircleCircleIntersection(Point centre1, double r1, Point centre2, double r2, int side,
                               int count) {
  const double d = Distance(centre1, centre2);
  if (d == 0) return centre1;
  const Point u{(centre2.x - centre1.x) / d, (centre2.y - centre1.y) / d};
  const double m = (r1 * r1 + d * d - r2 * r2) / (2 * d);
  if (count == 1) return {centre1.x + Sign(m) * r1 * u.x, centre1.y + Sign(m) * r1 * u.y};
  const double h = side * std::sqrt(std::max(0.0, r1 * r1 - m * m));
  return {centre1.x + m * u.x - h * u.y, centre1.y + m * u.y + h * u.x};
}

int ArcCentreFromRadius(Point p1, Point p2, double r, int directionFlag, int signFlag,
                        Point& centre) {
  const int count = CircleCircleCount(p1, r, p2, r);
  if (count == 0) return -1;
  const int side = (directionFlag == 1) != (signFlag == -1) ? 1 : -1;
  centre = CircleCircleIntersection(p1, r, p2, r, side, count);
  return 0;
}

int Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

double DirectionAngle(Point p1, Point p2) {
  double dx = p2.x - p1.x;
  double dy = p2.y - p1.y;
  if (std::fabs(dx) < 1e-10) dx = 0;
  if (std::fabs(dy) < 1e-10) dy = 0;
  return std::atan2(dy, dx);
}

double SafeAngle(double y, double x) {
  if (std::fabs(x) < 0.000001) {
    if (std::fabs(y) < 0.000001) return 0;
    return y > 0 ? kPi / 2 : -kPi / 2;
  }
  return std::atan2(y, x);
}

double AngleFromBase(double y, double x, double base) {
  double angle = 0;
  if (std::fabs(x) < 1e-8) {
    if (std::fabs(y) >= 1e-8) angle = y > 0 ? kPi / 2 : 3 * kPi / 2;
  } else if (std::fabs(y) < 1e-8) {
    angle = x > 0 ? 0 : kPi;
  } else {
    angle = std::atan2(y, x);
  }
  angle -= base;
  while (angle < 0) angle += 2 * kPi;
  while (angle >= 2 * kPi) angle -= 2 * kPi;
  return angle;
}

int SideOfLine(Point p, const Line& line) {
  const double m = line.a * p.y - line.b * p.x - line.c;
  return std::fabs(m) < gTolerances.sideTolerance ? 0 : Sign(m);
}

int CrossSign(const Line& line1, const Line& line2) {
  const double cross = line1.a * line2.b - line1.b * line2.a;
  return std::fabs(cross) < gTolerances.parallelTolerance ? 0 : Sign(cross);
}

int PointOnSegmentTest(Point p, Point s, Point e) {
  const double sp = Distance(s, p);
  const double ep = Distance(e, p);
  if (sp < gTolerances.pointTolerance) return 1;
  if (ep < gTolerances.pointTolerance) return 2;
  const double se = Distance(s, e);
  return se >= sp && se >= ep ? 0 : -1;
}

int PointOnArcTest(Point p, Point start, Point end, Point centre, int direction) {
  if (direction < 0) std::swap(start, end);
  const double as = DirectionAngle(centre, start);
  double ae = DirectionAngle(centre, end);
  double ap = DirectionAngle(centre, p);
  const double tolerance = gTolerances.pointTolerance;
  if (std::fabs(WrapPi(ap - as)) < tolerance) return 1;
  if (std::fabs(WrapPi(ap - ae)) < tolerance) return 2;
  if (ae < as) {
    // The arc crosses the angle pi: continue its end, and P with it, past pi.
    ae += 2 * kPi;
    if (ap < as) ap += 2 * kPi;
  }
  return as < ap && ap < ae ? 0 : -1;
}

double SweepAngle(Point p1, Point centre, Point p2) {
  return WrapPi(DirectionAngle(centre, p2) - DirectionAngle(centre, p1));
}

double TriangleArea(Point p1, Point centre, Point p2) {
  return 0.5 * ((centre.x - p1.x) * (p2.y - p1.y) - (centre.y - p1.y) * (p2.x - p1.x));
}

void InitBox(Box& box) { box = Box{}; }

void ExtendBox(Box& box, Point p) {
  box.minX = std::min(box.minX, p.x);
  box.minY = std::min(box.minY, p.y);
  box.maxX = std::max(box.maxX, p.x);
  box.maxY = std::max(box.maxY, p.y);
}

namespace {

// The angle of P about the centre in 0 to 2 pi.
double PositiveAngle(Point p, Point centre) {
  double angle = SafeAngle(p.y - centre.y, p.x - centre.x);
  if (angle < 0) angle += 2 * kPi;
  return angle;
}

void ArcBox(const Element& arc, Box& box) {
  ExtendBox(box, arc.start);
  ExtendBox(box, arc.end);
  // The sign of the radius only chooses the direction; the circle's points lie at |r|.
  const Point from = arc.radius > 0 ? arc.start : arc.end;
  const Point to = arc.radius > 0 ? arc.end : arc.start;
  const double s = PositiveAngle(from, arc.centre);
  double e = PositiveAngle(to, arc.centre);
  if (s > e) e += 2 * kPi;
  const double radius = std::fabs(arc.radius);
  static constexpr double kCos[4] = {1, 0, -1, 0};
  static constexpr double kSin[4] = {0, 1, 0, -1};
  for (int k = 0; k <= 7; ++k) {
    const double angle = k * kPi / 2;
    if (s <= angle && angle <= e) {
      ExtendBox(box, {arc.centre.x + radius * kCos[k % 4], arc.centre.y + radius * kSin[k % 4]});
    }
  }
}

}  // namespace

void ElementBox(ElementKind kind, const Element& element, Box& box) {
  switch (kind) {
    case ElementKind::Segment:
      ExtendBox(box, element.start);
      ExtendBox(box, element.end);
      break;
    case ElementKind::Arc:
      ArcBox(element, box);
      break;
    case ElementKind::Circle: {
      const double r = std::fabs(element.radius);
      ExtendBox(box, {element.centre.x - r, element.centre.y - r});
      ExtendBox(box, {element.centre.x + r, element.centre.y + r});
      break;
    }
  }
}

void Swap(double& first, double& second) { std::swap(first, second); }

}  // namespace qv
