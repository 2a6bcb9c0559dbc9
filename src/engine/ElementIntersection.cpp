#include "engine/ElementIntersection.h"

#include <cmath>
#include <vector>

#include "macro/PlaneGeometry.h"

namespace qv {
namespace {

// Below this radius an arc is taken for a segment, as the circle helpers refuse it.
constexpr double kMinArcRadius = 0.000001;

// An element as the test sees it: a segment, or an arc of a circle (a full circle when its ends
// coincide) run clockwise for G02 and counter-clockwise otherwise.
struct Shape {
  bool arc = false;
  bool fullCircle = false;
  int direction = 1;
  Point start;
  Point end;
  Point centre;
  double radius = 0;
};

Shape ShapeOf(const PathElement& element) {
  const Element& g = element.geometry;
  Shape shape{false, false, 1, g.start, g.end, g.centre, std::fabs(g.radius)};
  const bool curved = element.motion == Motion::G02 || element.motion == Motion::G03;
  if (curved && shape.radius >= kMinArcRadius) {
    shape.arc = true;
    shape.fullCircle = VectorBetween(g.start, g.end).degenerate;
    shape.direction = element.motion == Motion::G02 ? -1 : 1;
  }
  return shape;
}

bool OnShape(Point p, const Shape& shape) {
  if (shape.arc) {
    const double distance = std::hypot(p.x - shape.centre.x, p.y - shape.centre.y);
    if (std::fabs(distance - shape.radius) >= Tolerances().pointTolerance) return false;
    return shape.fullCircle ||
           PointOnArcTest(p, shape.start, shape.end, shape.centre, shape.direction) >= 0;
  }
  const bool degenerate = VectorBetween(shape.start, shape.end).degenerate;
  if (!degenerate && SideOfLine(p, LineThroughPoints(shape.start, shape.end)) != 0) return false;
  return PointOnSegmentTest(p, shape.start, shape.end) >= 0;
}

// The points where the carrier lines and circles of two shapes meet (tangent points included).
std::vector<Point> CarrierMeetings(const Shape& a, const Shape& b) {
  std::vector<Point> points;
  if (!a.arc && !b.arc) {
    const Line la = LineThroughPoints(a.start, a.end);
    const Line lb = LineThroughPoints(b.start, b.end);
    if (CrossSign(la, lb) != 0) points.push_back(LineLineIntersection(la, lb));
  } else if (a.arc != b.arc) {
    const Shape& segment = a.arc ? b : a;
    const Shape& arc = a.arc ? a : b;
    const Line line = LineThroughPoints(segment.start, segment.end);
    if (LineCircleCount(line, arc.centre, arc.radius) > 0) {
      for (const int side : {1, -1}) {
        points.push_back(PointOnLineAtDistance(line, arc.centre, arc.radius, side, 2));
      }
    }
  } else {
    const int count = CircleCircleCount(a.centre, a.radius, b.centre, b.radius);
    for (const int side : {1, -1}) {
      if (count > 0) {
        points.push_back(
            CircleCircleIntersection(a.centre, a.radius, b.centre, b.radius, side, count));
      }
    }
  }
  return points;
}

}  // namespace

// Two elements meet when a point lies on both within the tolerances: an end point of either
// lying on the other (which covers the joint of consecutive elements, a T-touch and overlapping
// collinear or concentric pieces), or a crossing or touching point of their carrier lines and
// circles (line-line, line-circle with tangency, circle-circle outside and inside) that lies
// within both pieces: a segment between its ends, an arc within its angular range from start to
// end in its own direction, a full circle anywhere. Arcs with |r| < 1e-6 and moves without a
// motion code are segments.
bool ElementsIntersect(const PathElement& first, const PathElement& second) {
  const Shape a = ShapeOf(first);
  const Shape b = ShapeOf(second);
  for (const Point p : {a.start, a.end}) {
    if (OnShape(p, b)) return true;
  }
  for (const Point p : {b.start, b.end}) {
    if (OnShape(p, a)) return true;
  }
  for (const Point p : CarrierMeetings(a, b)) {
    if (OnShape(p, a) && OnShape(p, b)) return true;
  }
  return false;
}

}  // namespace qv
