// Reading and writing a large NC program line by line through the text file class.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "nctext/Cnltextfilerw.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace {

constexpr size_t kFileBytes = 50u << 20;

std::u16string BenchPath() {
  return qv::FromUtf8("/tmp/qv-textfile-bench-" + std::to_string(::getpid()) + ".nc");
}

// About 50 MB of typical punching lines with some Japanese comments.
const std::vector<std::u16string>& SampleLines() {
  static const std::vector<std::u16string> lines = [] {
    std::vector<std::u16string> out;
    size_t bytes = 0;
    for (int i = 0; bytes < kFileBytes; ++i) {
      out.push_back(i % 10 == 0
                        ? u"(穴あけ　パンチ工程)\n"
                        : qv::Sprintf("N%d G01 X%d.250 Y%d.5 T102\n", i, i % 2500, i % 1250));
      bytes += out.back().size() + 1;
    }
    return out;
  }();
  return lines;
}

void WriteSample(const std::u16string& path) {
  qv::Cnltextfilerw file;
  file.Open(path, qv::OpenMode::CreateWrite);
  for (const auto& line : SampleLines()) file.WriteString(line);
  file.Close();
}

void BM_ReadLines(benchmark::State& state) {
  const std::u16string path = BenchPath();
  WriteSample(path);
  size_t lines = 0;
  for (auto _ : state) {
    qv::Cnltextfilerw file;
    file.Open(path, qv::OpenMode::Read);
    std::u16string line;
    while (file.ReadString(line) == 0) ++lines;
    file.Close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
  benchmark::DoNotOptimize(lines);
  std::remove(qv::ToUtf8(path).c_str());
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_WriteLines(benchmark::State& state) {
  const std::u16string path = BenchPath();
  for (auto _ : state) WriteSample(path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
  std::remove(qv::ToUtf8(path).c_str());
}
BENCHMARK(BM_WriteLines)->Unit(benchmark::kMillisecond);

}  // namespace
