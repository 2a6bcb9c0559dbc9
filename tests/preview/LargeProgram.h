#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "nctext/StringUtil.h"

namespace qv::test {

// A program of `count` lines (the listing limit is 32,767) that mixes punch hits, rapid moves,
// lines and arcs in both directions over a sheet, ending with M30.
inline std::vector<std::u16string> LargeProgram(int32_t count = 32767) {
  std::vector<std::u16string> lines{u"O9000", u"G90G00X0Y0T101"};
  for (int32_t k = 0; static_cast<int32_t>(lines.size()) + 6 < count; ++k) {
    const int32_t x = (k % 60) * 40;
    const int32_t y = (k / 60) * 3 % 1500;
    lines.push_back(Sprintf("G00X%d.Y%d.", x, y));
    lines.push_back(Sprintf("G01X%d.5", x + 10));
    lines.push_back(Sprintf("G02X%d.5Y%d.I5.J0", x + 20, y));
    lines.push_back(Sprintf("G03X%d.5Y%d.I5.J0", x + 30, y));
    lines.push_back(u"G01Y" + Sprintf("%d.", y + 2));
  }
  while (static_cast<int32_t>(lines.size()) < count - 1) lines.push_back(u"G00X0Y0");
  lines.push_back(u"M30");
  return lines;
}

}  // namespace qv::test
