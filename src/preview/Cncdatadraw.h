#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "preview/Canvas.h"
#include "preview/DisplayList.h"
#include "preview/PathInterpreter.h"
#include "preview/ProgramScan.h"
#include "preview/ViewFit.h"

namespace qv {

class CQuorvalenDB;

inline constexpr size_t kScaleCount = 100;
inline constexpr int32_t kFittedScaleIndex = 50;
// Each step of the scale table away from the fitted entry zooms by this factor.
inline constexpr double kZoomStep = 1.25;

// Reads program line `index` into `out`: 0, or -1 past the end (the pass ends there).
using PreviewLineSource = std::function<int32_t(int32_t index, std::u16string& out)>;

// The lines of a program held in memory (a file read whole, a test's program).
PreviewLineSource FixedLineSource(std::vector<std::u16string> lines);

// The program lines of the engine's listing in the display mode the main window chose.
PreviewLineSource EngineLineSource(const CQuorvalenDB& engine);

// The drawing of an NC program in an area: reads the program through its line source,
// interprets it once into a display list, fits it to the area and paints it on a canvas.
// Later paints replay the list with the scale and origin in use (zoom and pan keep).
class Cncdatadraw {
 public:
  Cncdatadraw();

  void SetLineSource(PreviewLineSource source) { source_ = std::move(source); }
  // The current post's decimal places index: values without a point are in 1/10 to 1/10000.
  void SetDecimalIndex(int32_t decimalIndex);
  // The display settings copied at each paint.
  void SetSettings(const std::array<int32_t, 4>& settings) { settings_ = settings; }

  // Draws the program into a width x height area. Not incremental: reads and interprets the
  // program again and fits it; incremental: replays the path with the view in use. -1 when no
  // extents can be found (nothing to draw), else the error code of the interpretation.
  int32_t Draw(Canvas& canvas, bool incremental, int32_t width, int32_t height);

  // Fits the last interpreted path to the area again (scale table entry 50).
  void Fit(int32_t width, int32_t height);
  // Moves `steps` entries through the scale table (negative: closer), keeping the program
  // point under `at` where it is.
  void Zoom(int32_t steps, PixelPoint at);
  // Moves the drawing by whole pixels.
  void Pan(int32_t dx, int32_t dy);
  // The program point under a pixel of the area.
  Point ToProgram(PixelPoint at) const;
  PixelPoint ToPixel(Point p) const;

  const DisplayList& Path() const { return path_; }
  const ProgramScan& Scan() const { return scan_; }
  const Extents& DrawExtents() const { return extents_; }
  const Extents& FittedExtents() const { return fittedExtents_; }
  double Scale() const { return scales_[static_cast<size_t>(scaleIndex_)]; }
  int32_t ScaleIndex() const { return scaleIndex_; }
  int32_t OriginX() const { return originX_; }
  int32_t OriginY() const { return originY_; }
  double UnitFactor() const { return unitFactor_; }
  int32_t ErrorCode() const { return errorCode_; }
  double Tolerance() const { return tolerance_; }
  int32_t LineCount() const { return static_cast<int32_t>(lines_.size()); }

 private:
  void ReadProgram();
  void Interpret();
  void Paint(Canvas& canvas, int32_t width, int32_t height) const;

  PreviewLineSource source_;
  std::array<int32_t, 4> settings_{0, 0, 5, 4};
  int32_t decimalIndex_ = 0;
  double unitFactor_ = 10;
  double tolerance_ = 0.005;
  int32_t errorCode_ = 0;
  bool hasExtents_ = false;
  Extents extents_;
  Extents fittedExtents_;
  std::array<double, kScaleCount> scales_;
  int32_t scaleIndex_ = kFittedScaleIndex;
  int32_t originX_ = 0;
  int32_t originY_ = 0;
  std::vector<std::u16string> lines_;
  ProgramScan scan_;
  DisplayList path_;
};

}  // namespace qv
