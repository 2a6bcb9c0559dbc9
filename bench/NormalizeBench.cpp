// Normalizing programs of punching and cutting blocks at 3k, 30k and 300k lines: the cost must
// grow linearly (a 30,000-line program in a few milliseconds).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/CQuorvalenDB.h"

namespace {

// Ten lines: a punching block, a cutting figure with an arc, and a subprogram call.
const char16_t* const kBlock[] = {
    u"G00X100.Y100.",       u"M50",          u"G00X200.Y100.",     u"G01X250.Y100.",
    u"G02X260.Y110.I10.J0", u"G01Y200.",     u"G03X250.Y210.R10.", u"G01X200.",
    u"G00X300.Y300.M50",    u"N1234M98P100",
};

std::vector<std::u16string> Program(size_t lineCount) {
  std::vector<std::u16string> lines{u"G90G92X1250.Y1250."};
  while (lines.size() < lineCount) {
    for (const char16_t* line : kBlock) lines.emplace_back(line);
  }
  lines.emplace_back(u"M30");
  return lines;
}

void BM_Normalize(benchmark::State& state) {
  qv::PostStore store;
  store.condition.punch = {u"M50", u"M101"};
  store.condition.marking = {u"M60", u"M110", u"M61"};
  qv::Settings settings;
  qv::KeepLists keep{10, {{u'G', 4}, {u'G', 28}, {u'G', 90}, {u'G', 91}, {u'M', 30}}, {u"N????"}};
  qv::CQuorvalenDB engine(store, settings, keep);
  const std::vector<std::u16string> program = Program(static_cast<size_t>(state.range(0)));
  const char16_t* const pairs[][2] = {{u"M50", u"M101"}, {u"M60", u"M110"}, {u"M61", u"M110"},
                                      {u"G00", u"G00"},  {u"G01", u"G01"},  {u"G02", u"G02"},
                                      {u"G03", u"G03"},  {u"M30", u"M30"},  {u"M98P", u"M98P"}};
  int32_t result = 0;
  for (auto _ : state) {
    state.PauseTiming();
    engine.ResetForRun();
    engine.State().sourceLines = program;
    for (const auto& pair : pairs) engine.AddCodePair(pair[0], pair[1]);
    state.ResumeTiming();
    result = engine.Normalize();
  }
  // -1 when the match table overflowed (it holds 100,000 matches, about one a line here): the
  // pass then stops before rebuilding the lines, so such a run does not compare with the others.
  state.counters["result"] = result;
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Normalize)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(300000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
