#pragma once

#include <cstdint>

#include "macro/PlaneGeometry.h"

namespace qv {

// Drawing extents in program units: x min, y min, x max, y max.
struct Extents {
  double minX = -100;
  double minY = -100;
  double maxX = 100;
  double maxY = 100;
  bool operator==(const Extents&) const = default;
};

// Where the program lands in an area: units per pixel and the pixel of the program origin.
struct ViewFit {
  double scale = 1;
  int32_t originX = 0;
  int32_t originY = 0;
  bool operator==(const ViewFit&) const = default;
};

// The extents of a box into `extents`; false (extents unchanged) when the box was never grown.
bool ExtentsOfBox(const Box& box, Extents& extents);

// Extents of no width or height are widened by 10 units on each side of the flat direction.
Extents WidenDegenerate(Extents extents);

// Fits the extents to an area of width x height pixels with a margin of 5 pixels on each side,
// centred, Y growing upwards.
ViewFit FitExtents(const Extents& extents, int32_t width, int32_t height);

// A pixel position as a whole number, held inside the int32_t range.
int32_t ClampToPixel(double value);

// A program point in pixels of the area, and back.
struct ViewTransform {
  double scale = 1;
  double originX = 0;
  double originY = 0;
  double PixelX(double x) const { return originX + x / scale; }
  double PixelY(double y) const { return originY - y / scale; }
  Point ToProgram(double px, double py) const {
    return {(px - originX) * scale, (originY - py) * scale};
  }
};

}  // namespace qv
