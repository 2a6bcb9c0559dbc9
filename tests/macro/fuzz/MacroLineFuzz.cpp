// libFuzzer target for the macro line reader and the whole expansion. Built only on request
// (QV_BUILD_FUZZ=ON with clang); see the README.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro/CGMacroChg.h"
#include "macro/MacroLineParser.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the options (and reader-only runs), the rest is the program text.
  const uint8_t pick = data[0];
  const std::u16string text =
      qv::FromUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::vector<std::u16string> program;
  size_t start = 0;
  for (size_t at = 0; at <= text.size(); ++at) {
    if (at == text.size() || text[at] == u'\n') {
      program.emplace_back(text.substr(start, at - start));
      start = at + 1;
    }
  }
  qv::MacroWords words;
  for (const std::u16string& line : program) qv::ParseMacroLine(line, words);
  // With the top bit of the first byte set only the reader runs: large patterns make whole
  // expansions slow, and the reader deserves most of the executions.
  if ((pick & 0x80) != 0) return 0;

  const qv::MacroOptions options{pick & 3, (pick >> 2) % 3, (pick >> 4) & 1};
  std::vector<std::u16string> unconvertible;
  std::vector<std::u16string> warnings;
  qv::CGMacroChg check;
  check.SetOptions(options);
  check.SetReportLists(&unconvertible, &warnings);
  std::vector<std::u16string> out;
  check.CheckAndExpand(program, out);
  qv::CGMacroChg expand;
  expand.SetOptions(options);
  expand.SetReportLists(&unconvertible, &warnings);
  expand.ExpandInPlace(program);
  return 0;
}
