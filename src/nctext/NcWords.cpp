#include "nctext/NcWords.h"

#include <cmath>

#include "nctext/StringUtil.h"

namespace qv {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Removes every part between open and close (nesting counted) and every space.
std::u16string RemoveEnclosed(std::u16string_view text, char16_t open, char16_t close) {
  std::u16string out;
  int depth = 0;
  for (const char16_t c : text) {
    if (c == u' ') continue;
    if (c == open) {
      ++depth;
    } else if (depth > 0) {
      if (c == close) --depth;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

std::optional<std::u16string> CleanNcLine(std::u16string_view line) {
  std::u16string out;
  for (const char16_t c : line) {
    if (c == u';') break;
    if (c == u' ') continue;
    if (out.size() >= kMaxMacroLineLength) return std::nullopt;
    out.push_back(c);
  }
  return out;
}

std::u16string StripComments(std::u16string_view text) {
  return RemoveEnclosed(RemoveEnclosed(text, u'(', u')'), u'[', u']');
}

bool IsValidNcNumber(std::u16string_view value) {
  if (value.empty()) return false;
  int points = 0;
  int minuses = 0;
  size_t pointAt = value.size();
  for (size_t i = 0; i < value.size(); ++i) {
    const char16_t c = value[i];
    if (c == u'.') {
      if (++points > 1) return false;
      pointAt = i;
    } else if (c == u'-') {
      if (++minuses > 1 || i != 0) return false;
    } else if (!IsDigit(c)) {
      return false;
    }
  }
  const size_t wholeLimit = minuses == 1 ? 10 : 9;
  if (pointAt > wholeLimit) return false;
  return points == 0 || value.size() - pointAt - 1 <= 5;
}

bool HasDecimalPoint(std::u16string_view value) {
  for (const char16_t c : value) {
    if (c == u'.') return true;
    if (!IsDigit(c) && c != u'+' && c != u'-') return false;
  }
  return false;
}

double RoundToDigits(double value, int digits) {
  const double scale = std::pow(10.0, digits);
  double whole = 0;
  const double fraction = std::modf(std::fabs(value), &whole);
  const double rounded = std::trunc(fraction * scale + 0.5) / scale + whole;
  return std::signbit(value) ? -rounded : rounded;
}

std::optional<std::u16string> FormatNcNumber(double value, int digits) {
  const double rounded = RoundToDigits(value, digits);
  if (!(std::fabs(rounded) < kNcValueLimit)) return std::nullopt;  // NaN fails the test too
  std::u16string text = FormatFixed(rounded, digits);
  if (text.find(u'.') == std::u16string::npos) return text;
  while (text.back() == u'0') text.pop_back();
  return text;
}

std::u16string_view NcWordValue(std::u16string_view text, size_t position, NcPlusSign plus) {
  auto inValue = [plus](char16_t c) {
    return IsDigit(c) || c == u'.' || c == u'-' || (c == u'+' && plus == NcPlusSign::InValue);
  };
  size_t end = position + 1;
  while (end < text.size() && inValue(text[end])) ++end;
  return position + 1 <= text.size() ? text.substr(position + 1, end - position - 1)
                                     : std::u16string_view{};
}

}  // namespace qv
