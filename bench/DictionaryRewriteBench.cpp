// The dictionary rewrite of programs of punching and cutting blocks at 3k, 30k and 300k lines
// with 200 special code II pairs: the cost must grow linearly (a 30,000-line program well under
// 100 ms), also when a string-unit code cuts half the converted lines in two so that those find
// no place in the alignment.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/BlockGeneration.h"
#include "engine/CQuorvalenDB.h"
#include "engine/DictionaryRewrite.h"
#include "engine/StringPass.h"
#include "nctext/StringUtil.h"

namespace {

std::vector<std::u16string> Program(size_t lineCount) {
  std::vector<std::u16string> lines{u"(BENCH)", u"G90G92X1250.Y1250."};
  for (int32_t i = 0; lines.size() < lineCount; ++i) {
    const int32_t x = i % 400;
    const int32_t y = (i / 400) % 400;
    lines.push_back(qv::Sprintf("G00X%d.Y%d.", x, y));
    lines.emplace_back(u"M50");
    lines.push_back(qv::Sprintf("G00X%d.Y%d.", x + 1, y + 2));
    lines.push_back(qv::Sprintf("G01X%d.", x + 5));
    lines.push_back(qv::Sprintf("Y%d.", y + 5));
    lines.push_back(qv::Sprintf("G02X%d.Y%d.R5.", x, y + 10));
    lines.push_back(qv::Sprintf("G01Y%d.", y + 2));
    lines.emplace_back(u"M60");
    lines.push_back(qv::Sprintf("G00X%d.Y%d.", x + 20, y));
    lines.push_back(qv::Sprintf("X%d.Y%d.", x + 30, y + 1));
  }
  lines.emplace_back(u"M30");
  return lines;
}

// Two hundred pairs whose left texts are coordinate words, most of which occur somewhere.
std::string PairFile() {
  std::string text = "BENCH\r\n200\r\n";
  for (int32_t i = 0; i < 200; ++i) {
    text += "X" + std::to_string(i) + ". X" + std::to_string(i) + ".5\r\n";
  }
  return text;
}

void BM_DictionaryRewrite(benchmark::State& state, bool placeless) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "qv_bench_sc.pst";
  std::ofstream(file, std::ios::binary) << PairFile();
  qv::PostStore store;
  store.post.newName = u"BENCH";
  store.record.headLine1a = u"%";
  store.record.punchPositionSuffix = u"T1";
  store.record.punchCondition = u"M13";
  store.record.markCondition = u"M22";
  store.record.cutCondition = u"M32";
  store.record.cutShapeLine = u"M33";
  store.record.endPart = u"M30";
  store.condition.punch = {u"M50", u"M12"};
  store.condition.marking = {u"M60", u"E1", u""};
  store.condition.longSideLimits = {u"1000.", u"2000.", u"3000."};
  qv::Settings settings;
  qv::KeepLists keep{10, {{u'G', 0}, {u'G', 1}, {u'G', 2}, {u'G', 90}, {u'G', 92}, {u'M', 30}}, {}};
  qv::CQuorvalenDB engine(store, settings, keep);
  qv::EngineState& s = engine.State();
  s.sourceLines = Program(static_cast<size_t>(state.range(0)));
  engine.PrepareDictionary(file.u16string());
  engine.ResetForRun();
  engine.AddCodePair(u"M50", u"M12");
  engine.AddCodePair(u"M60", u"E1");
  // Cuts every converted line with an X and a Y word in two: neither part holds its program line.
  if (placeless) engine.AddStringCodePair(u".Y", u".;Y");
  s.strippedLines = s.sourceLines;
  engine.Normalize();
  qv::GenerateBlocks(s, engine.Inputs());
  qv::ApplyStringCodes(s, engine.Inputs());
  const qv::EngineState prepared = s;
  for (auto _ : state) {
    state.PauseTiming();
    s.strippedLines = prepared.strippedLines;
    s.expandedLines = prepared.expandedLines;
    s.normalizedLines = prepared.normalizedLines;
    s.outputLines = prepared.outputLines;
    state.ResumeTiming();
    benchmark::DoNotOptimize(qv::RewriteByDictionary(s, engine.Inputs()));
  }
  state.counters["lines"] = static_cast<double>(s.outputLines.size());
  std::filesystem::remove(file);
}

}  // namespace

BENCHMARK_CAPTURE(BM_DictionaryRewrite, placed, false)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(300000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DictionaryRewrite, placeless, true)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(300000)
    ->Unit(benchmark::kMillisecond);
