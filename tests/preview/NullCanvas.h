#pragma once

#include <cstdint>

#include "preview/Canvas.h"

namespace qv::test {

// Takes every call and draws nothing, so that the time goes to the interpretation and the
// transform.
class NullCanvas : public Canvas {
 public:
  void FillBackground(int32_t, int32_t, Rgb) override {}
  void SetClip(PixelPoint, PixelPoint) override {}
  void SetPen(const Pen&) override {}
  void DrawLine(PixelPoint, PixelPoint) override {}
  void DrawArc(PixelPoint, double, PixelPoint, PixelPoint, bool) override {}
  void DrawCircle(PixelPoint, double) override {}
  void DrawMarker(PixelPoint, double) override {}
};

}  // namespace qv::test
