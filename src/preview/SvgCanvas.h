#pragma once

#include <string>

#include "preview/Canvas.h"

namespace qv {

// A canvas that writes an SVG document: one element per drawn piece, pixel coordinates with
// at most three decimals, the clip window as a clip path.
class SvgCanvas : public Canvas {
 public:
  void FillBackground(int32_t width, int32_t height, Rgb colour) override;
  void SetClip(PixelPoint topLeft, PixelPoint bottomRight) override;
  void SetPen(const Pen& pen) override;
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
               bool clockwise) override;
  void DrawCircle(PixelPoint centre, double radius) override;
  void DrawMarker(PixelPoint at, double size) override;

  // The whole document, one element a line.
  std::string Document() const;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::string background_;
  std::string clip_;
  std::string stroke_;
  std::string body_;
};

// A number as SVG shows it: at most three decimals, no trailing zeros.
std::string SvgNumber(double value);

}  // namespace qv
