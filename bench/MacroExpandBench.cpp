// Expanding a 20,000-line program of figures and patterns into some 384,000 lines, within the
// expansion's line budget (must stay under a fifth of a second).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "macro/CGMacroChg.h"

namespace {

// Ten lines: every figure kind, a figure definition, and every pattern kind.
const char16_t* const kBlock[] = {
    u"G90",
    u"G111X50.Y50.I40.J20.R3.",
    u"G112X10.Y10.I8.",
    u"G113X70.Y70.I20.J15.",
    u"G114X30.Y30.I10.J6R1.",
    u"G115X0Y0I90.J4.R20.",
    u"G116I10.J4.R20.",
    u"G126X100.Y100.I50.K4",
    u"G111I10.J10.C1.",
    u"G136X300.Y300.I10.J10.P2K1",
};

std::vector<std::u16string> Program() {
  std::vector<std::u16string> lines;
  lines.reserve(20000);
  while (lines.size() < 20000) {
    for (const char16_t* line : kBlock) lines.emplace_back(line);
  }
  return lines;
}

void BM_ExpandInPlace20k(benchmark::State& state) {
  const std::vector<std::u16string> program = Program();
  size_t produced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::u16string> lines = program;
    state.ResumeTiming();
    qv::CGMacroChg macro;
    benchmark::DoNotOptimize(macro.ExpandInPlace(lines));
    produced = lines.size();
  }
  state.counters["lines_out"] = static_cast<double>(produced);
}
BENCHMARK(BM_ExpandInPlace20k)->Unit(benchmark::kMillisecond);

void BM_CheckAndExpand20k(benchmark::State& state) {
  const std::vector<std::u16string> program = Program();
  for (auto _ : state) {
    std::vector<std::u16string> out;
    qv::CGMacroChg macro;
    benchmark::DoNotOptimize(macro.CheckAndExpand(program, out));
  }
}
BENCHMARK(BM_CheckAndExpand20k)->Unit(benchmark::kMillisecond);

}  // namespace
