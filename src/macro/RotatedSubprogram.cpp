#include "macro/RotatedSubprogram.h"

#include <cmath>

#include "macro/PlaneGeometry.h"
#include "nctext/NcWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;

bool IsWordValueChar(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
}

// The end of the word whose letter stands at `at`: past its digits, ".", "-" and "+".
size_t WordEnd(std::u16string_view line, size_t at) {
  size_t end = at + 1;
  while (end < line.size() && IsWordValueChar(line[end])) ++end;
  return end;
}

// The value of the word at `at`, in millimetres: values without a decimal point are in
// least-increment units.
double WordValue(std::u16string_view line, size_t at, double unitDivisor) {
  if (at == kNone) return 0;
  const std::u16string_view text = line.substr(at + 1, WordEnd(line, at) - at - 1);
  const double value = ToDouble(text);
  return HasDecimalPoint(text) ? value : value / unitDivisor;
}

void BlankWord(std::u16string& line, size_t at) {
  if (at == kNone) return;
  const size_t end = WordEnd(line, at);
  for (size_t k = at; k < end; ++k) line[k] = u' ';
}

bool IsDwellOrComment(std::u16string_view line) {
  return Contains(line, u"(") || Contains(line, u"G4X") || Contains(line, u"G04X") ||
         Contains(line, u"G4 X") || Contains(line, u"G04 X");
}

void AppendWord(std::u16string& text, char16_t letter, double value, int digits) {
  text += letter;
  text += FormatNcNumber(value, digits);
}

}  // namespace

std::u16string SubprogramLabel(std::u16string_view callLine) {
  const size_t h = callLine.find(u'H');
  const size_t p = callLine.find(u'P');
  std::u16string label(1, h != kNone ? u'N' : u'O');
  if (h != kNone) {
    label += callLine.substr(h + 1);
  } else if (p != kNone) {
    label += callLine.substr(p + 1);
  }
  return label;
}

std::u16string RotateSubprogramLine(std::u16string_view source, double cosA, double sinA,
                                    int32_t decimalIndex) {
  if (IsDwellOrComment(source)) return std::u16string(source);
  const size_t xAt = source.find(u'X');
  const size_t yAt = source.find(u'Y');
  const size_t rAt = source.find(u'R');
  const size_t iAt = source.find(u'I');
  const size_t jAt = source.find(u'J');
  if (xAt == kNone && yAt == kNone && rAt == kNone && iAt == kNone && jAt == kNone) {
    return std::u16string(source);
  }
  const double divisor = std::pow(10.0, decimalIndex + 1);
  const int digits = decimalIndex + 1;
  const double x = WordValue(source, xAt, divisor);
  const double y = WordValue(source, yAt, divisor);
  const double i = WordValue(source, iAt, divisor);
  const double j = WordValue(source, jAt, divisor);
  const bool hasCentre = iAt != kNone || jAt != kNone;
  const bool hasPosition = xAt != kNone || yAt != kNone;

  std::u16string group;
  if (!hasCentre || hasPosition) {
    AppendWord(group, u'X', x * cosA - y * sinA, digits);
    AppendWord(group, u'Y', x * sinA + y * cosA, digits);
  }
  if (hasCentre) {
    AppendWord(group, u'I', i * cosA - j * sinA, digits);
    AppendWord(group, u'J', i * sinA + j * cosA, digits);
  } else if (rAt != kNone) {
    group += source.substr(rAt, WordEnd(source, rAt) - rAt);
  }

  std::u16string line(source);
  BlankWord(line, xAt);
  BlankWord(line, yAt);
  if (hasCentre) {
    BlankWord(line, iAt);
    BlankWord(line, jAt);
  } else {
    BlankWord(line, rAt);
  }
  const size_t insertAt = xAt != kNone ? xAt : (yAt != kNone ? yAt : 0);
  line.insert(insertAt, group);
  std::erase(line, u' ');
  return line;
}

bool ExpandRotatedSubprogram(const std::vector<std::u16string>& program, std::u16string_view label,
                             double angleDegrees, int32_t decimalIndex,
                             std::vector<std::u16string>& out) {
  size_t at = 0;
  while (at < program.size() && program[at] != label) ++at;
  if (at == program.size()) return false;
  const double a = angleDegrees * kPi / 180.0;
  const double cosA = std::cos(a);
  const double sinA = std::sin(a);
  for (++at; at < program.size() && !Contains(program[at], u"M99"); ++at) {
    out.push_back(RotateSubprogramLine(program[at], cosA, sinA, decimalIndex));
  }
  return true;
}

}  // namespace qv
