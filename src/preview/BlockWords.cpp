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

// G and M values are numbers read as C's atoi does, so "G01 X" is G1: the all-digits rule is the
// integer addresses' only.
void TakeG(BlockWords& words, std::u16string_view value) {
  const int32_t g = ToInt(value);
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

// The address letters whose values are numbers, and the integer ones, with their fields.
struct NumberSlot {
  char16_t address;
  double BlockWords::*value;
  bool BlockWords::*present;
};
struct IntegerSlot {
  char16_t address;
  int32_t BlockWords::*value;
  bool BlockWords::*present;
};
constexpr NumberSlot kNumberSlots[] = {{u'X', &BlockWords::x, &BlockWords::hasX},
                                       {u'Y', &BlockWords::y, &BlockWords::hasY},
                                       {u'I', &BlockWords::i, &BlockWords::hasI},
                                       {u'J', &BlockWords::j, &BlockWords::hasJ},
                                       {u'R', &BlockWords::r, &BlockWords::hasR}};
constexpr IntegerSlot kIntegerSlots[] = {
    {u'H', &BlockWords::h, &BlockWords::hasH}, {u'K', &BlockWords::k, &BlockWords::hasK},
    {u'N', &BlockWords::n, &BlockWords::hasN}, {u'O', &BlockWords::o, &BlockWords::hasO},
    {u'P', &BlockWords::p, &BlockWords::hasP}, {u'Q', &BlockWords::q, &BlockWords::hasQ},
    {u'U', &BlockWords::u, &BlockWords::hasU}, {u'V', &BlockWords::v, &BlockWords::hasV},
    {u'W', &BlockWords::w, &BlockWords::hasW}};

void TakeWord(BlockWords& words, char16_t address, std::u16string_view value, double unitFactor) {
  if (address == u'G') return TakeG(words, value);
  if (address == u'T') {
    words.hasT = true;
    return;
  }
  if (address == u'M') {
    if (words.mCount < BlockWords::kMaxCodes) words.m[words.mCount++] = ToInt(value);
    return;
  }
  if ((address == u'X' || address == u'Y') && !TakesPosition(words)) return;
  for (const NumberSlot& slot : kNumberSlots) {
    if (slot.address != address) continue;
    words.*slot.value = NumberValue(value, unitFactor);
    words.*slot.present = true;
    return;
  }
  for (const IntegerSlot& slot : kIntegerSlots) {
    if (slot.address != address) continue;
    words.*slot.value = IntegerValue(value);
    words.*slot.present = true;
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
