#include "engine/EngineWords.h"

#include <algorithm>
#include <limits>

namespace qv {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsValueChar(char16_t c) { return IsDigit(c) || c == u'+' || c == u'-' || c == u'.'; }

bool IsCoordinateLetter(char16_t c) {
  return c == u'C' || c == u'I' || c == u'J' || c == u'K' || c == u'Q' || c == u'R' || c == u'X' ||
         c == u'Y';
}

}  // namespace

WordClass WordClassAt(std::u16string_view line, size_t p) {
  if (p + 1 >= line.size()) return WordClass::None;
  switch (line[p]) {
    case u'G':
      return WordClass::G;
    case u'M':
      return WordClass::M;
    case u'O':
      return WordClass::ProgramNumber;
    default:
      break;
  }
  if (IsCoordinateLetter(line[p]) && IsValueChar(line[p + 1])) return WordClass::Coordinate;
  return WordClass::None;
}

std::u16string_view DigitsAt(std::u16string_view line, size_t from) {
  size_t end = from;
  while (end < line.size() && IsDigit(line[end])) ++end;
  return from < end ? line.substr(from, end - from) : std::u16string_view();
}

std::u16string_view CoordinateValueAt(std::u16string_view line, size_t from) {
  size_t end = from;
  while (end < line.size() && IsValueChar(line[end])) ++end;
  return from < end ? line.substr(from, end - from) : std::u16string_view();
}

std::optional<int32_t> WordNumber(std::u16string_view digits) {
  if (digits.empty()) return std::nullopt;
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (const char16_t c : digits) value = std::min(kMax, value * 10 + (c - u'0'));
  return static_cast<int32_t>(value);
}

void WordFlagSetter::Unset() {
  if (cleared_) {
    for (int32_t* flag : set_) *flag = 0;
  } else {
    gFlags_.fill(0);
    mFlags_.fill(0);
    cleared_ = true;
  }
  set_.clear();
}

}  // namespace qv
