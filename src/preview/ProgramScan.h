#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// What the scan before drawing finds: how many lines form the main program (those before the
// first line without "(" that holds "M30", "M02" or "G50"; 0 when there is none) and whether
// the main program calls subprograms by sequence number ("M98H").
struct ProgramScan {
  int32_t mainLineCount = 0;
  bool hasM98H = false;
  bool operator==(const ProgramScan&) const = default;
};

ProgramScan ScanProgram(const std::vector<std::u16string>& lines);

}  // namespace qv
