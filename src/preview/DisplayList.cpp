#include "preview/DisplayList.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

double PointDistance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

double SegmentDistance(Point a, Point b, Point p) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  if (lengthSquared == 0) return PointDistance(a, p);
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
  return PointDistance({a.x + t * dx, a.y + t * dy}, p);
}

// Whether the direction of `p` from the centre lies on the arc's sweep.
bool WithinSweep(const Segment& arc, Point p) {
  const int32_t direction = arc.clockwise ? -1 : 1;
  return PointOnArcTest(p, arc.start, arc.end, arc.centre, direction) >= 0;
}

double ArcDistance(const Segment& arc, Point p) {
  const double fromCentre = PointDistance(arc.centre, p);
  if (fromCentre > 0) {
    const Point onCircle{arc.centre.x + (p.x - arc.centre.x) * arc.radius / fromCentre,
                         arc.centre.y + (p.y - arc.centre.y) * arc.radius / fromCentre};
    if (WithinSweep(arc, onCircle)) return std::fabs(fromCentre - arc.radius);
  }
  return std::min(PointDistance(arc.start, p), PointDistance(arc.end, p));
}

}  // namespace

void DisplayList::Clear() {
  segments_.clear();
  extents_ = Box{};
}

void DisplayList::Add(const Segment& segment) {
  segments_.push_back(segment);
  switch (segment.kind) {
    case SegmentKind::Rapid:
    case SegmentKind::Line:
      ElementBox(ElementKind::Segment, {segment.start, segment.end, {}, 0}, extents_);
      break;
    case SegmentKind::Arc: {
      // The box helper runs an arc with a negative radius from its end to its start.
      const double radius = segment.clockwise ? -segment.radius : segment.radius;
      ElementBox(ElementKind::Arc, {segment.start, segment.end, segment.centre, radius}, extents_);
      break;
    }
    case SegmentKind::Circle:
      ElementBox(ElementKind::Circle, {{}, {}, segment.centre, segment.radius}, extents_);
      break;
    case SegmentKind::Hit:
      ExtendBox(extents_, segment.end);
      break;
  }
}

std::vector<size_t> DisplayList::SegmentsOfLine(int32_t line) const {
  std::vector<size_t> found;
  for (size_t at = 0; at < segments_.size(); ++at) {
    if (segments_[at].line == line) found.push_back(at);
  }
  return found;
}

std::optional<int32_t> DisplayList::LineAt(Point p, double tolerance) const {
  std::optional<int32_t> nearest;
  double best = tolerance;
  for (const Segment& segment : segments_) {
    const double distance = DistanceTo(segment, p);
    if (distance <= best) {
      best = distance;
      nearest = segment.line;
    }
  }
  return nearest;
}

double DistanceTo(const Segment& segment, Point p) {
  switch (segment.kind) {
    case SegmentKind::Rapid:
    case SegmentKind::Line:
      return SegmentDistance(segment.start, segment.end, p);
    case SegmentKind::Arc:
      return ArcDistance(segment, p);
    case SegmentKind::Circle:
      return std::fabs(PointDistance(segment.centre, p) - segment.radius);
    case SegmentKind::Hit:
      return PointDistance(segment.end, p);
  }
  return 0;
}

}  // namespace qv
