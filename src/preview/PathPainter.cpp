#include "preview/PathPainter.h"

#include <cmath>

namespace qv {
namespace {

// The segment's reach in program units, for leaving out what cannot show.
Box ReachOf(const Segment& segment) {
  Box box;
  if (segment.kind == SegmentKind::Arc || segment.kind == SegmentKind::Circle) {
    ExtendBox(box, {segment.centre.x - segment.radius, segment.centre.y - segment.radius});
    ExtendBox(box, {segment.centre.x + segment.radius, segment.centre.y + segment.radius});
  } else {
    ExtendBox(box, segment.start);
    ExtendBox(box, segment.end);
  }
  return box;
}

bool Overlaps(const Box& a, const Box& b) {
  return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

// Keeps the canvas pen and changes it only when a segment needs another.
class PenKeeper {
 public:
  explicit PenKeeper(Canvas& canvas) : canvas_(canvas) {}
  void Use(const Pen& pen) {
    if (set_ && pen == current_) return;
    canvas_.SetPen(pen);
    current_ = pen;
    set_ = true;
  }

 private:
  Canvas& canvas_;
  Pen current_;
  bool set_ = false;
};

}  // namespace

void PaintPath(const DisplayList& path, const ViewTransform& view, const PathColours& colours,
               int32_t width, int32_t height, Canvas& canvas) {
  Box window;
  ExtendBox(window, view.ToProgram(-kHitMarkSize, -kHitMarkSize));
  ExtendBox(window, view.ToProgram(width + kHitMarkSize, height + kHitMarkSize));
  PenKeeper pen(canvas);
  const auto pixel = [&view](Point p) { return PixelPoint{view.PixelX(p.x), view.PixelY(p.y)}; };
  for (const Segment& segment : path.Segments()) {
    const bool rapid = segment.kind == SegmentKind::Rapid;
    const std::optional<Rgb>& colour = rapid ? colours.rapid : colours.cutting;
    if (!colour || !Overlaps(ReachOf(segment), window)) continue;
    pen.Use({rapid ? PenStyle::Dotted : PenStyle::Solid, *colour});
    switch (segment.kind) {
      case SegmentKind::Rapid:
      case SegmentKind::Line:
        canvas.DrawLine(pixel(segment.start), pixel(segment.end));
        break;
      case SegmentKind::Arc:
        canvas.DrawArc(pixel(segment.centre), segment.radius / view.scale, pixel(segment.start),
                       pixel(segment.end), segment.clockwise);
        break;
      case SegmentKind::Circle:
        canvas.DrawCircle(pixel(segment.centre), segment.radius / view.scale);
        break;
      case SegmentKind::Hit:
        canvas.DrawMarker(pixel(segment.end), kHitMarkSize);
        break;
    }
  }
  canvas.Finish();
}

}  // namespace qv
