#include "engine/GCodeTexts.h"

namespace qv {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

GCodeTexts::GCodeTexts(std::u16string_view line) {
  for (size_t p = 0; p + 2 < line.size(); ++p) {
    if (line[p] == u'G' && IsDigit(line[p + 1]) && IsDigit(line[p + 2])) {
      texts_.set(static_cast<size_t>((line[p + 1] - u'0') * 10 + (line[p + 2] - u'0')));
    }
  }
}

}  // namespace qv
