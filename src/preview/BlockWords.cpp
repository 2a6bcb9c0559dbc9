#include "preview/BlockWords.h"

#include <algorithm>
#include <cmath>

#include "nctext/StringUtil.h"

namespace qv {
namespace {

bool EndsValue(char16_t c) {
  return (c >= u'A' && c <= u'Z') || c == u'e' || c == u';' || c == u'(';
}

bool AllDigits(std::u16string_view value) {
  return !value.empty() &&
         std::all_of(value.begin(), value.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

int32_t IntegerValue(std::u16string_view value) {
  if (!AllDigits(value) || value.size() > 9) return 0;
  return ToInt(value);
}

// Beyond this a coordinate is no sheet's; keeping values inside it keeps the fit in range.
constexpr double kLargestCoordinate = 99999999.0;

double NumberValue(std::u16string_view value, double unitFactor) {
  double read = ToDouble(value);
  if (value.find(u'.') == std::u16string_view::npos) read /= unitFactor;
  if (!std::isfinite(read)) return 0;
  return std::clamp(read, -kLargestCoordinate, kLargestCoordinate);
}

bool IsMacroCode(int32_t g) { return (g >= 111 && g <= 116) || (g >= 126 && g <= 137); }

// The coordinate-system codes whose X and Y are not a position.
bool IsCoordinateCode(int32_t g) { return g == 52 || (g >= 54 && g <= 59) || g == 92 || g == 93; }

void TakeG(BlockWords& words, std::u16string_view value) {
  const int32_t g = IntegerValue(value);
  if (words.gCount < BlockWords::kMaxCodes) words.g[words.gCount++] = g;
  if (g == 4) words.dwell = true;
  if (IsMacroCode(g)) words.macro = true;
  if (IsCoordinateCode(g)) {
    words.coordinateChange = true;
    words.hasX = words.hasY = false;
  }
}

// Whether X and Y after the last G code read are positions.
bool TakesPosition(const BlockWords& words) {
  if (words.gCount == 0) return true;
  const int32_t last = words.g[words.gCount - 1];
  return last != 52 && !(last >= 54 && last <= 59);
}

void TakeInteger(int32_t& field, bool& has, std::u16string_view value) {
  field = IntegerValue(value);
  has = true;
}

void TakeWord(BlockWords& words, char16_t address, std::u16string_view value, double unitFactor) {
  switch (address) {
    case u'G':
      return TakeG(words, value);
    case u'M':
      if (words.mCount < BlockWords::kMaxCodes) words.m[words.mCount++] = IntegerValue(value);
      return;
    case u'X':
      if (TakesPosition(words)) words.x = NumberValue(value, unitFactor), words.hasX = true;
      return;
    case u'Y':
      if (TakesPosition(words)) words.y = NumberValue(value, unitFactor), words.hasY = true;
      return;
    case u'I':
      words.i = NumberValue(value, unitFactor), words.hasI = true;
      return;
    case u'J':
      words.j = NumberValue(value, unitFactor), words.hasJ = true;
      return;
    case u'R':
      words.r = NumberValue(value, unitFactor), words.hasR = true;
      return;
    case u'H':
      return TakeInteger(words.h, words.hasH, value);
    case u'K':
      return TakeInteger(words.k, words.hasK, value);
    case u'N':
      return TakeInteger(words.n, words.hasN, value);
    case u'O':
      return TakeInteger(words.o, words.hasO, value);
    case u'P':
      return TakeInteger(words.p, words.hasP, value);
    case u'Q':
      return TakeInteger(words.q, words.hasQ, value);
    case u'U':
      return TakeInteger(words.u, words.hasU, value);
    case u'V':
      return TakeInteger(words.v, words.hasV, value);
    case u'W':
      return TakeInteger(words.w, words.hasW, value);
    case u'T':
      words.hasT = true;
      return;
    default:
      return;
  }
}

}  // namespace

bool BlockWords::HasG(int32_t code) const {
  return std::find(g.begin(), g.begin() + static_cast<std::ptrdiff_t>(gCount), code) !=
         g.begin() + static_cast<std::ptrdiff_t>(gCount);
}

bool BlockWords::HasM(int32_t code) const {
  return std::find(m.begin(), m.begin() + static_cast<std::ptrdiff_t>(mCount), code) !=
         m.begin() + static_cast<std::ptrdiff_t>(mCount);
}

BlockWords ReadBlockWords(std::u16string_view line, double unitFactor) {
  BlockWords words;
  if (line.find(u'#') != std::u16string_view::npos) return words;
  size_t at = 0;
  while (at < line.size() && !words.dwell) {
    const char16_t c = line[at];
    if (c == u'(') {
      const size_t close = line.find(u')', at);
      at = close == std::u16string_view::npos ? line.size() : close + 1;
      continue;
    }
    ++at;
    if (c < u'A' || c > u'Z') continue;
    const size_t start = at;
    while (at < line.size() && !EndsValue(line[at])) ++at;
    TakeWord(words, c, line.substr(start, at - start), unitFactor);
  }
  return words;
}

}  // namespace qv
