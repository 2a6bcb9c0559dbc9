#include "ui/CAboutDlg.h"

namespace qv {

std::u16string VersionLine(std::u16string_view templateLine, std::u16string_view version) {
  constexpr size_t kVersionChars = 4;
  const size_t keep = templateLine.size() < kVersionChars ? 0 : templateLine.size() - kVersionChars;
  std::u16string line(templateLine.substr(0, keep));
  line += version;
  return line;
}

}  // namespace qv
