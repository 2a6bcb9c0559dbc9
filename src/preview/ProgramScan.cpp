#include "preview/ProgramScan.h"

#include "nctext/StringUtil.h"

namespace qv {

ProgramScan ScanProgram(const std::vector<std::u16string>& lines) {
  ProgramScan scan;
  for (size_t at = 0; at < lines.size(); ++at) {
    const std::u16string& line = lines[at];
    if (Contains(line, u"(")) continue;
    if (Contains(line, u"M30") || Contains(line, u"M02") || Contains(line, u"G50")) {
      scan.mainLineCount = static_cast<int32_t>(at);
      break;
    }
  }
  for (int32_t at = 0; at < scan.mainLineCount; ++at) {
    if (Contains(lines[static_cast<size_t>(at)], u"M98H")) scan.hasM98H = true;
  }
  return scan;
}

}  // namespace qv
