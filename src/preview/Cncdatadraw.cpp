#include "preview/Cncdatadraw.h"

#include <cmath>

#include "engine/CQuorvalenDB.h"
#include "nctext/StringUtil.h"
#include "preview/ColourTable.h"
#include "preview/PathPainter.h"

namespace qv {
namespace {

double UnitFactorOf(int32_t decimalIndex) {
  switch (decimalIndex) {
    case 0:
      return 10;
    case 1:
      return 100;
    case 2:
      return 1000;
    default:
      return 10000;
  }
}

}  // namespace

PreviewLineSource FixedLineSource(std::vector<std::u16string> lines) {
  return [lines = std::move(lines)](int32_t index, std::u16string& out) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) return -1;
    out = lines[static_cast<size_t>(index)];
    return 0;
  };
}

PreviewLineSource EngineLineSource(const CQuorvalenDB& engine) {
  return
      [&engine](int32_t index, std::u16string& out) { return engine.GetDisplayLine(index, out); };
}

Cncdatadraw::Cncdatadraw() { scales_.fill(1.0); }

void Cncdatadraw::SetDecimalIndex(int32_t decimalIndex) { decimalIndex_ = decimalIndex; }

void Cncdatadraw::ReadProgram() {
  lines_.clear();
  if (!source_) return;
  std::u16string line;
  for (int32_t index = 0; source_(index, line) == 0; ++index) {
    lines_.emplace_back(TrimRight(line));
  }
}

void Cncdatadraw::Interpret() {
  unitFactor_ = UnitFactorOf(decimalIndex_);
  scan_ = ScanProgram(lines_);
  PathInterpreter interpreter(lines_, unitFactor_, scan_.hasM98H);
  errorCode_ = interpreter.Run(path_);
  Extents found;
  hasExtents_ = ExtentsOfBox(path_.Extents(), found);
  if (hasExtents_) extents_ = WidenDegenerate(found);
}

int32_t Cncdatadraw::Draw(Canvas& canvas, bool incremental, int32_t width, int32_t height) {
  tolerance_ = 0.005;
  const std::optional<Rgb> background = ColourOf(settings_[1]);
  canvas.FillBackground(width, height, background.value_or(Rgb{}));
  canvas.SetClip({0, 0}, {static_cast<double>(width), static_cast<double>(height)});
  if (!incremental) {
    errorCode_ = 0;
    ReadProgram();
    Interpret();
    if (hasExtents_) Fit(width, height);
  }
  if (!hasExtents_) return -1;
  Paint(canvas, width, height);
  return errorCode_;
}

void Cncdatadraw::Fit(int32_t width, int32_t height) {
  fittedExtents_ = extents_;
  const ViewFit fit = FitExtents(fittedExtents_, width, height);
  for (size_t at = 0; at < kScaleCount; ++at) {
    scales_[at] = fit.scale * std::pow(kZoomStep, static_cast<double>(at) - kFittedScaleIndex);
  }
  scales_[kFittedScaleIndex] = fit.scale;
  scaleIndex_ = kFittedScaleIndex;
  originX_ = fit.originX;
  originY_ = fit.originY;
}

void Cncdatadraw::Zoom(int32_t steps, PixelPoint at) {
  const Point kept = ToProgram(at);
  scaleIndex_ = std::clamp(scaleIndex_ + steps, 0, static_cast<int32_t>(kScaleCount) - 1);
  originX_ = ClampToPixel(std::round(at.x - kept.x / Scale()));
  originY_ = ClampToPixel(std::round(at.y + kept.y / Scale()));
}

void Cncdatadraw::Pan(int32_t dx, int32_t dy) {
  originX_ = ClampToPixel(static_cast<double>(originX_) + dx);
  originY_ = ClampToPixel(static_cast<double>(originY_) + dy);
}

Point Cncdatadraw::ToProgram(PixelPoint at) const {
  return ViewTransform{Scale(), static_cast<double>(originX_), static_cast<double>(originY_)}
      .ToProgram(at.x, at.y);
}

PixelPoint Cncdatadraw::ToPixel(Point p) const {
  const ViewTransform view{Scale(), static_cast<double>(originX_), static_cast<double>(originY_)};
  return {view.PixelX(p.x), view.PixelY(p.y)};
}

void Cncdatadraw::Paint(Canvas& canvas, int32_t width, int32_t height) const {
  const ViewTransform view{Scale(), static_cast<double>(originX_), static_cast<double>(originY_)};
  const PathColours colours{ColourOf(settings_[2]), ColourOf(settings_[3])};
  PaintPath(path_, view, colours, width, height, canvas);
}

}  // namespace qv
