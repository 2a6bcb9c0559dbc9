#pragma once

#include <cstdint>

#include "nctext/NcWords.h"  // RoundToDigits belongs to these helpers as well

namespace qv {

// Plane geometry in doubles for the macro figures, the engine's path elements and the
// preview. Angles are radians unless a name says otherwise.

inline constexpr double kPi = 3.141592653589793;

// A point of the plane.
struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// The line through the points P with a*P.y - b*P.x = c; (a, b) is its unit direction. The
// signed distance a*P.y - b*P.x - c is positive on the left of the direction.
struct Line {
  double a = 1;
  double b = 0;
  double c = 0;
  bool operator==(const Line&) const = default;
};

// A bounding box; the default box is empty (minima 1e9, maxima -1e9).
struct Box {
  double minX = 1e9;
  double minY = 1e9;
  double maxX = -1e9;
  double maxY = -1e9;
  bool operator==(const Box&) const = default;
};

// The vector from one point to another with its length; degenerate (length reported 0) when
// shorter than the point tolerance.
struct VectorInfo {
  double dx = 0;
  double dy = 0;
  double length = 0;
  bool degenerate = false;
  bool operator==(const VectorInfo&) const = default;
};

// A unit direction and the length it came from.
struct UnitVectorInfo {
  Point direction{1, 0};
  double length = 0;
  bool operator==(const UnitVectorInfo&) const = default;
};

// Kinds of path element for bounding boxes.
enum class ElementKind { Segment = 1, Arc = 2, Circle = 3 };

// A path element. Segment: start to end. Arc: about centre from start (A) to end (B),
// counter-clockwise when radius > 0, from B to A when radius < 0. Circle: centre and radius
// (its sign ignored).
struct Element {
  Point start;
  Point end;
  Point centre;
  double radius = 0;
  bool operator==(const Element&) const = default;
};

// The six process-wide tolerances.
struct GeometryTolerances {
  double pointTolerance = 0.0001;     // coincident points, degenerate lengths, equal angles
  double sideTolerance = 0.0001;      // a point on a line
  double spareTolerance = 0.0001;     // kept with the others, used by no test
  double parallelTolerance = 0.0001;  // parallel directions
  double tangentTolerance = 0.0001;   // a line touching a circle
  double touchTolerance = 0.0001;     // circles touching
  bool operator==(const GeometryTolerances&) const = default;
};

// Each argument that is not 0 replaces its tolerance.
void SetTolerances(double point, double side, double spare, double parallel, double tangent,
                   double touch);
// The tolerances in force.
const GeometryTolerances& Tolerances();

// Sets the tolerances as SetTolerances does for as long as it lives, and puts back the ones
// that were in force before on every way out of its scope, an exception included: work that
// needs other tolerances for a while cannot leave them changed for the rest of the process.
class ScopedTolerances {
 public:
  ScopedTolerances(double point, double side, double spare, double parallel, double tangent,
                   double touch);
  ~ScopedTolerances();
  ScopedTolerances(const ScopedTolerances&) = delete;
  ScopedTolerances& operator=(const ScopedTolerances&) = delete;

 private:
  GeometryTolerances previous_;
};

// P2 - P1 with its length.
VectorInfo VectorBetween(Point p1, Point p2);
// The unit vector from P1 to P2 and the length; (1, 0) when degenerate.
UnitVectorInfo UnitVector(Point p1, Point p2);
// The line through P1 heading for P2; (1, 0, 0) when degenerate.
Line LineThroughPoints(Point p1, Point p2);
// The line through P with direction (cos angle, sin angle).
Line LineAtAngle(Point p, double angle);
// P turned about the centre by the angle whose cosine and sine are given.
Point RotatePoint(Point p, Point centre, double cosA, double sinA);
// The line through Q (a point of the line) with its direction turned.
Line RotateLineAboutPoint(const Line& line, Point q, double cosA, double sinA);
// The crossing point of two lines that are not parallel (callers test that first).
Point LineLineIntersection(const Line& line1, const Line& line2);
// 0 when the line misses the circle (or the radius is below 0.000001), 1 when it touches
// within the tangent tolerance, 2 when it cuts it.
int LineCircleCount(const Line& line, Point centre, double radius);
// Count 1: the point at distance d from P, perpendicular to the line, on P's side. Count 2:
// the point of the line at distance d from P, on side s (+1 or -1) along the direction.
Point PointOnLineAtDistance(const Line& line, Point p, double d, int side, int count);
// 0 when two circles do not meet, 1 when they touch (within the touch tolerance), else 2.
int CircleCircleCount(Point centre1, double r1, Point centre2, double r2);
// A meeting point of two circles: count 1 the touching point, count 2 the point on side s.
Point CircleCircleIntersection(Point centre1, double r1, Point centre2, double r2, int side,
                               int count);
// The centre of the circle of radius r through P1 and P2 into `centre`; the flags pick one of
// the two. Returns 0, or -1 when there is no such circle.
int ArcCentreFromRadius(Point p1, Point p2, double r, int directionFlag, int signFlag,
                        Point& centre);
// -1, 0 or 1.
int Sign(double x);
// The angle of P2 - P1 (components below 1e-10 count as 0), in -pi to pi.
double DirectionAngle(Point p1, Point p2);
// atan2(y, x), with a near-zero x giving 0 or +-pi/2.
double SafeAngle(double y, double x);
// The angle of (x, y) minus base, brought into 0 to 2 pi.
double AngleFromBase(double y, double x, double base);
// 0 when P lies on the line (side tolerance), else the sign of its signed distance.
int SideOfLine(Point p, const Line& line);
// 0 when the lines are parallel (parallel tolerance), else the sign of their cross product.
int CrossSign(const Line& line1, const Line& line2);
// For P on the line SE: 1 at S, 2 at E, 0 strictly between, -1 outside.
int PointOnSegmentTest(Point p, Point s, Point e);
// For P on the arc's circle: 1 at the start angle, 2 at the end angle, 0 strictly between,
// -1 outside; direction < 0 marks a clockwise arc.
int PointOnArcTest(Point p, Point start, Point end, Point centre, int direction);
// The angle from P1 to P2 about the centre, in -pi to pi.
double SweepAngle(Point p1, Point centre, Point p2);
// The signed area of the triangle P1, centre, P2.
double TriangleArea(Point p1, Point centre, Point p2);
// The empty box.
void InitBox(Box& box);
// The box grown to include P.
void ExtendBox(Box& box, Point p);
// The box grown by the element.
void ElementBox(ElementKind kind, const Element& element, Box& box);
// Exchanges two values.
void Swap(double& first, double& second);

}  // namespace qv
