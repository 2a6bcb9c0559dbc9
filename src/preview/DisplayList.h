#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "macro/PlaneGeometry.h"

namespace qv {

// What a recorded piece of the path is.
enum class SegmentKind { Rapid, Line, Arc, Circle, Hit };

// One drawn piece of the path in program units, with the index of the program line it came
// from. Arcs run from start to end about the centre, clockwise when `clockwise`.
struct Segment {
  SegmentKind kind = SegmentKind::Line;
  Point start;
  Point end;
  Point centre;
  double radius = 0;
  bool clockwise = false;
  int32_t line = 0;
  bool operator==(const Segment&) const = default;
};

// The interpreted path, kept so that a paint replays it without reading the program again.
class DisplayList {
 public:
  void Clear();
  void Add(const Segment& segment);
  // Grows the extents by a position the path reaches without a drawn piece.
  void Reach(Point p) { ExtendBox(extents_, p); }
  const std::vector<Segment>& Segments() const { return segments_; }
  // The smallest box holding every segment; the empty Box when there are none.
  const Box& Extents() const { return extents_; }
  // Positions in Segments() of the pieces drawn for program line `line`.
  std::vector<size_t> SegmentsOfLine(int32_t line) const;
  // The program line of the piece nearest to `p` within `tolerance` program units.
  std::optional<int32_t> LineAt(Point p, double tolerance) const;

 private:
  std::vector<Segment> segments_;
  Box extents_;
};

// The distance from `p` to the piece (to its mark for a hit).
double DistanceTo(const Segment& segment, Point p);

}  // namespace qv
