// The preview of a 32,767-line program painted by Qt's painter into an 800 x 600 image: a full
// paint (read, interpret, fit, paint) under 50 ms, a repaint (zoom or pan) under 16 ms.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "gui/QPainterCanvas.h"
#include "preview/Cncdatadraw.h"
#include "preview/LargeProgram.h"

namespace {

void PaintLoop(benchmark::State& state, bool incremental) {
  const std::vector<std::u16string> lines = qv::test::LargeProgram();
  qv::Cncdatadraw draw;
  draw.SetLineSource(qv::FixedLineSource(lines));
  QImage image(800, 600, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    qv::QPainterCanvas canvas(painter);
    draw.Draw(canvas, false, 800, 600);
  }
  for (auto _ : state) {
    QPainter painter(&image);
    qv::QPainterCanvas canvas(painter);
    if (incremental) draw.Pan(1, 0);
    benchmark::DoNotOptimize(draw.Draw(canvas, incremental, 800, 600));
  }
  state.counters["lines/s"] = benchmark::Counter(
      static_cast<double>(lines.size()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

void BM_QPainterFullPaint(benchmark::State& state) { PaintLoop(state, false); }
BENCHMARK(BM_QPainterFullPaint)->Unit(benchmark::kMillisecond);

void BM_QPainterRepaint(benchmark::State& state) { PaintLoop(state, true); }
BENCHMARK(BM_QPainterRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
