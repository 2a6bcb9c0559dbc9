#pragma once

#include <QLineF>
#include <QPen>
#include <vector>

#include "preview/Canvas.h"

class QPainter;

namespace qv {

// The preview's canvas on a QPainter (a widget or an image). For speed on long programs it
// draws without antialiasing, gathers the lines of each pen and draws them together at the end
// (pens change at nearly every move), and draws arcs of a few pixels' radius as short chords
// (within half a pixel of the true arc).
class QPainterCanvas : public Canvas {
 public:
  // Pens are penWidth pixels wide (1 for the path itself).
  explicit QPainterCanvas(QPainter& painter, int penWidth = 1);

  void FillBackground(int32_t width, int32_t height, Rgb colour) override;
  void SetClip(PixelPoint topLeft, PixelPoint bottomRight) override;
  void SetPen(const Pen& pen) override;
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
               bool clockwise) override;
  void DrawCircle(PixelPoint centre, double radius) override;
  void DrawMarker(PixelPoint at, double size) override;
  void Finish() override;

 private:
  // Adds the chords of the arc from `start` turning by `span` (radians, counter-clockwise on
  // the screen when positive); false when it needs too many to be worth it.
  bool AddChords(PixelPoint centre, double radius, double start, double span);

  // The lines waiting for one pen.
  struct Batch {
    Pen pen;
    QPen qtPen;
    std::vector<QLineF> lines;
  };
  std::vector<QLineF>& Lines() { return batches_[current_].lines; }

  QPainter& painter_;
  int penWidth_;
  std::vector<Batch> batches_;
  size_t current_ = 0;
};

}  // namespace qv
