#pragma once

#include "preview/Canvas.h"

class QPainter;

namespace qv {

// The preview's canvas on a QPainter (a widget or an image), without antialiasing so that a
// full program paints fast.
class QPainterCanvas : public Canvas {
 public:
  explicit QPainterCanvas(QPainter& painter) : painter_(painter) {}

  void FillBackground(int32_t width, int32_t height, Rgb colour) override;
  void SetClip(PixelPoint topLeft, PixelPoint bottomRight) override;
  void SetPen(const Pen& pen) override;
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
               bool clockwise) override;
  void DrawCircle(PixelPoint centre, double radius) override;
  void DrawMarker(PixelPoint at, double size) override;

 private:
  QPainter& painter_;
};

}  // namespace qv
