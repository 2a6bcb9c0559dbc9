// The preview of a 32,767-line program (the listing limit): interpreting it into the display
// list, and painting the list to a canvas that draws nothing and to one that records. A full
// paint (read, interpret, fit, paint) must stay under 50 ms in the release build.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "preview/Cncdatadraw.h"
#include "preview/LargeProgram.h"
#include "preview/NullCanvas.h"
#include "preview/PathInterpreter.h"
#include "preview/ProgramScan.h"

namespace {

// Keeps every call's coordinates, as a display back end would.
class RecordingCanvas : public qv::test::NullCanvas {
 public:
  void DrawLine(qv::PixelPoint from, qv::PixelPoint to) override { Keep(from, to); }
  void DrawArc(qv::PixelPoint, double, qv::PixelPoint from, qv::PixelPoint to, bool) override {
    Keep(from, to);
  }
  void DrawMarker(qv::PixelPoint at, double) override { Keep(at, at); }
  void Reset() { points_.clear(); }

 private:
  void Keep(qv::PixelPoint a, qv::PixelPoint b) {
    points_.push_back(a);
    points_.push_back(b);
  }
  std::vector<qv::PixelPoint> points_;
};

const std::vector<std::u16string>& Program() {
  static const std::vector<std::u16string> lines = qv::test::LargeProgram();
  return lines;
}

void SetLineRate(benchmark::State& state) {
  state.counters["lines/s"] = benchmark::Counter(
      static_cast<double>(Program().size()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

void BM_Interpret(benchmark::State& state) {
  const qv::ProgramScan scan = qv::ScanProgram(Program());
  qv::DisplayList path;  // kept, as the drawing keeps its list between paints
  for (auto _ : state) {
    qv::PathInterpreter interpreter(Program(), 10, scan.hasM98H);
    benchmark::DoNotOptimize(interpreter.Run(path));
  }
  SetLineRate(state);
}
BENCHMARK(BM_Interpret)->Unit(benchmark::kMillisecond);

void BM_FullPaintNullCanvas(benchmark::State& state) {
  qv::Cncdatadraw draw;
  draw.SetLineSource(qv::FixedLineSource(Program()));
  qv::test::NullCanvas canvas;
  for (auto _ : state) benchmark::DoNotOptimize(draw.Draw(canvas, false, 800, 600));
  SetLineRate(state);
}
BENCHMARK(BM_FullPaintNullCanvas)->Unit(benchmark::kMillisecond);

void BM_RepaintRecordingCanvas(benchmark::State& state) {
  qv::Cncdatadraw draw;
  draw.SetLineSource(qv::FixedLineSource(Program()));
  RecordingCanvas canvas;
  draw.Draw(canvas, false, 800, 600);
  for (auto _ : state) {
    canvas.Reset();
    benchmark::DoNotOptimize(draw.Draw(canvas, true, 800, 600));
  }
  SetLineRate(state);
}
BENCHMARK(BM_RepaintRecordingCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
