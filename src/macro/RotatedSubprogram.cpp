#include "macro/RotatedSubprogram.h"

#include <cmath>

#include "macro/PlaneGeometry.h"
#include "nctext/NcWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;

// The end of the word whose letter stands at `at`: past its digits, ".", "-" and "+".
size_t WordEnd(std::u16string_view line, size_t at) {
  return at + 1 + NcWordValue(line, at, NcPlusSign::InValue).size();
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

// Whether the word at `at` runs straight into an exponent: once the turned value stands in
// its place, "X1e300" would print as "Y0.1e300".
bool RunsIntoExponent(std::u16string_view line, size_t at) {
  if (at == kNone) return false;
  const size_t end = WordEnd(line, at);
  return end < line.size() && (line[end] == u'e' || line[end] == u'E');
}

bool IsDwellOrComment(std::u16string_view line) {
  return Contains(line, u"(") || Contains(line, u"G4X") || Contains(line, u"G04X") ||
         Contains(line, u"G4 X") || Contains(line, u"G04 X");
}

bool AppendWord(std::u16string& text, char16_t letter, double value, int digits) {
  const std::optional<std::u16string> printed = FormatNcNumber(value, digits);
  if (!printed) return false;
  text += letter;
  text += *printed;
  return true;
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

std::optional<std::u16string> RotateSubprogramLine(std::u16string_view source, double cosA,
                                                   double sinA, int32_t decimalIndex) {
  if (IsDwellOrComment(source)) return std::u16string(source);
  const size_t xAt = source.find(u'X');
  const size_t yAt = source.find(u'Y');
  const size_t rAt = source.find(u'R');
  const size_t iAt = source.find(u'I');
  const size_t jAt = source.find(u'J');
  if (xAt == kNone && yAt == kNone && rAt == kNone && iAt == kNone && jAt == kNone) {
    return std::u16string(source);
  }
  for (const size_t at : {xAt, yAt, iAt, jAt}) {
    if (RunsIntoExponent(source, at)) return std::nullopt;
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
  if ((!hasCentre || hasPosition) && !(AppendWord(group, u'X', x * cosA - y * sinA, digits) &&
                                       AppendWord(group, u'Y', x * sinA + y * cosA, digits))) {
    return std::nullopt;
  }
  if (hasCentre) {
    if (!AppendWord(group, u'I', i * cosA - j * sinA, digits) ||
        !AppendWord(group, u'J', i * sinA + j * cosA, digits)) {
      return std::nullopt;
    }
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

SubprogramResult ExpandRotatedSubprogram(const std::vector<std::u16string>& program,
                                         std::u16string_view label, double angleDegrees,
                                         int32_t decimalIndex, std::vector<std::u16string>& out) {
  size_t at = 0;
  while (at < program.size() && program[at] != label) ++at;
  if (at == program.size()) return SubprogramResult::NotFound;
  const double a = angleDegrees * kPi / 180.0;
  const double cosA = std::cos(a);
  const double sinA = std::sin(a);
  const size_t before = out.size();
  for (++at; at < program.size() && !Contains(program[at], u"M99"); ++at) {
    std::optional<std::u16string> line =
        RotateSubprogramLine(program[at], cosA, sinA, decimalIndex);
    if (!line) {
      out.resize(before);
      return SubprogramResult::Unprintable;
    }
    out.push_back(std::move(*line));
  }
  return SubprogramResult::Expanded;
}

}  // namespace qv
