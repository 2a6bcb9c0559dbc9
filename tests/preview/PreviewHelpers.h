#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preview/Cncdatadraw.h"

namespace qv::test {

// A line source over a fixed program.
inline PreviewLineSource LinesOf(std::vector<std::u16string> lines) {
  return [lines = std::move(lines)](int32_t index, std::u16string& out) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) return -1;
    out = lines[static_cast<size_t>(index)];
    return 0;
  };
}

}  // namespace qv::test
