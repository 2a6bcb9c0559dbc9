#include "preview/ViewFit.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr double kNeverSet = 999999999.9999;
constexpr double kFlat = 0.001;
constexpr double kWiden = 10;
constexpr double kTiny = 0.0001;
constexpr int32_t kMargin = 10;

double MinOrZero(double value) { return value > kNeverSet ? 0 : value; }
double MaxOrZero(double value) { return value < -kNeverSet ? 0 : value; }

}  // namespace

int32_t ClampToPixel(double value) {
  constexpr double kLimit = 2'000'000'000.0;
  return static_cast<int32_t>(std::clamp(std::trunc(value), -kLimit, kLimit));
}

bool ExtentsOfBox(const Box& box, Extents& extents) {
  if (box.minX > box.maxX || box.minY > box.maxY) return false;
  extents = {box.minX, box.minY, box.maxX, box.maxY};
  return true;
}

Extents WidenDegenerate(Extents extents) {
  if (extents.maxX - extents.minX < kFlat) {
    extents.minX -= kWiden;
    extents.maxX += kWiden;
  }
  if (extents.maxY - extents.minY < kFlat) {
    extents.minY -= kWiden;
    extents.maxY += kWiden;
  }
  return extents;
}

ViewFit FitExtents(const Extents& extents, int32_t width, int32_t height) {
  const double usableW = std::max(0.01, static_cast<double>(width - kMargin));
  const double usableH = std::max(0.01, static_cast<double>(height - kMargin));
  const double minX = MinOrZero(extents.minX);
  const double minY = MinOrZero(extents.minY);
  const double maxX = MaxOrZero(extents.maxX);
  const double maxY = MaxOrZero(extents.maxY);
  double u = maxX - minX;
  double v = maxY - minY;
  const double cx = minX + u / 2;
  const double cy = maxY - v / 2;
  const bool flatU = std::fabs(u) < kTiny;
  const bool flatV = std::fabs(v) < kTiny;
  if (flatU && flatV) {
    u = v = 100;
  } else if (flatU) {
    u = v;
  } else if (flatV) {
    v = u * usableH / usableW;
  }
  ViewFit fit;
  fit.scale = std::max(u / usableW, v / usableH);
  fit.originX = ClampToPixel(width / 2 - std::trunc(cx / fit.scale));
  fit.originY = ClampToPixel(std::trunc(cy / fit.scale) + height / 2);
  return fit;
}

}  // namespace qv
