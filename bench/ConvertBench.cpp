// Converting programs of punching and cutting blocks at 3k, 30k and 300k lines: the whole
// conversion (normalization, block generation with the condition choice and the work chute)
// must grow linearly, a 30,000-line program in under 30 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/CQuorvalenDB.h"

namespace {

// Twelve lines: two punching blocks and a closed cutting figure with arcs.
const char16_t* const kBlock[] = {
    u"G00X100.Y100.",
    u"M50",
    u"G00X150.Y100.",
    u"M50",
    u"G00X200.Y100.",
    u"G01X250.",
    u"G02X260.Y110.I10.J0",
    u"G01Y200.",
    u"G03X250.Y210.R10.",
    u"G01X200.",
    u"Y100.",
    u"G90G00X300.Y300.",
};

std::vector<std::u16string> Program(size_t lineCount) {
  std::vector<std::u16string> lines{u"G90G92X1250.Y1250."};
  while (lines.size() < lineCount) {
    for (const char16_t* line : kBlock) lines.emplace_back(line);
  }
  lines.emplace_back(u"M30");
  return lines;
}

qv::PostStore Post() {
  qv::PostStore store;
  qv::PostRecord& r = store.record;
  r.headLine1a = u"%";
  r.headLine2 = u"G06A1B0";
  r.coordinateSettingLine = u"G90";
  r.punchPositionSuffix = u"T102";
  r.punchConvertedCondition = u"M12E1";
  r.punchCondition = u"M12";
  r.punchLine3 = u"M13";
  r.cutCondition = u"M102";
  r.cutShapeLine = u"M103[W]";
  r.endPart = u"G50";
  r.sequenceMode = 0;
  r.sequenceCode = u"N";
  qv::MachiningCondition& c = store.condition;
  c.punch = {u"M50", u"M12E1"};
  c.marking = {u"M60", u"E111", u"M61"};
  c.autoConditionBasis = 1;
  c.lineLengthLimits = {u"10.", u"50.", u"300."};
  c.arcRadiusLimits = {u"3.", u"10.", u"50."};
  c.elementCodes = {u"E112", u"E113", u"E114", u"E115"};
  c.workChute = 1;
  c.workChuteCode = u"M150";
  c.workChuteMinLength = u"30.";
  return store;
}

void BM_Convert(benchmark::State& state) {
  const qv::PostStore store = Post();
  qv::Settings settings;
  qv::KeepLists keep{10, {{u'G', 0}, {u'G', 1}, {u'G', 2}, {u'G', 3}, {u'G', 90}, {u'G', 92}}, {}};
  qv::CQuorvalenDB engine(store, settings, keep);
  const std::vector<std::u16string> program = Program(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    engine.ResetForRun();
    engine.State().sourceLines = program;
    engine.AddCodePair(u"M50", u"M12E1");
    engine.AddCodePair(u"M60", u"E111");
    engine.AddCodePair(u"M61", u"E111");
    engine.AddCodePair(u"M30", u"M30");
    engine.LoadClassLimits();
    engine.LoadWorkChuteSize();
    state.ResumeTiming();
    benchmark::DoNotOptimize(engine.Convert());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Convert)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(300000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
