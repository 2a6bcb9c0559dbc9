// Interprets NC files into the preview's display list and prints the throughput of each, for
// the side-by-side comparison of bench/toolpath-compare. "--write-large FILE" writes the
// 32,767-line program the benchmarks use.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "nctext/Cnltextfilerw.h"
#include "platform/Codec.h"
#include "preview/LargeProgram.h"
#include "preview/PathInterpreter.h"
#include "preview/PreviewHelpers.h"
#include "preview/ProgramScan.h"

namespace {

int WriteLarge(const std::string& path) {
  qv::Cnltextfilerw file;
  if (file.Open(qv::FromUtf8(path), qv::OpenMode::CreateWrite) != 0) return 1;
  for (const std::u16string& line : qv::test::LargeProgram()) file.WriteString(line + u"\n");
  file.Close();
  return 0;
}

// Lines per second over repeated runs of at least half a second.
double LinesPerSecond(const std::vector<std::u16string>& lines) {
  using Clock = std::chrono::steady_clock;
  const qv::ProgramScan scan = qv::ScanProgram(lines);
  const Clock::time_point start = Clock::now();
  int64_t runs = 0;
  double seconds = 0;
  do {
    qv::PathInterpreter interpreter(lines, 10, scan.hasM98H);
    qv::DisplayList path;
    interpreter.Run(path);
    ++runs;
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  } while (seconds < 0.5);
  return static_cast<double>(lines.size()) * static_cast<double>(runs) / seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-large") return WriteLarge(argv[2]);
  for (int at = 1; at < argc; ++at) {
    const std::vector<std::u16string> lines = qv::test::ReadNcFile(argv[at]);
    std::printf("%s\t%zu\t%.0f\n", argv[at], lines.size(), LinesPerSecond(lines));
  }
  return 0;
}
