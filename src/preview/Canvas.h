#pragma once

#include <cstdint>

namespace qv {

// A colour of the preview's colour table.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// How a pen draws: solid for cutting moves, dotted for rapid moves, none for "empty pen".
enum class PenStyle { Solid, Dotted, None };

// A pen of one pixel's width.
struct Pen {
  PenStyle style = PenStyle::Solid;
  Rgb colour;
  bool operator==(const Pen&) const = default;
};

// A point of the drawing area in pixels, y growing downwards.
struct PixelPoint {
  double x = 0;
  double y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The surface the preview draws on, in pixels of the area. Implementations clip everything to
// the clip window they are given; a pen or fill colour stays until it is set again.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // Fills the whole area (w x h pixels) with the colour; also fixes the area's size.
  virtual void FillBackground(int32_t width, int32_t height, Rgb colour) = 0;
  // Everything drawn afterwards is cut to this rectangle.
  virtual void SetClip(PixelPoint topLeft, PixelPoint bottomRight) = 0;
  virtual void SetPen(const Pen& pen) = 0;
  virtual void DrawLine(PixelPoint from, PixelPoint to) = 0;
  // An arc about the centre from `from` to `to`; clockwise as seen on the screen when `clockwise`.
  virtual void DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
                       bool clockwise) = 0;
  virtual void DrawCircle(PixelPoint centre, double radius) = 0;
  // A punch hit: a small cross of `size` pixels each way about the point, in the pen's colour.
  virtual void DrawMarker(PixelPoint at, double size) = 0;
  // Everything drawn so far must show (a canvas may hold pieces back to draw them together).
  virtual void Finish() {}
};

}  // namespace qv
