#include "macro/FigureMoveText.h"

#include <cmath>

#include "nctext/NcWords.h"

namespace qv {

namespace {

// Turning leaves residues such as -1e-15 where a value is zero; printed as they are they
// would read "-0.".
constexpr double kResidue = 1e-9;

bool AppendValue(std::u16string& text, char16_t letter, double value) {
  const std::optional<std::u16string> printed =
      FormatNcNumber(std::fabs(value) < kResidue ? 0.0 : value, 3);
  if (!printed) return false;
  text += letter;
  text += *printed;
  return true;
}

}  // namespace

std::optional<std::u16string> CoordinateText(Point p) {
  std::u16string text;
  if (!AppendValue(text, u'X', p.x) || !AppendValue(text, u'Y', p.y)) return std::nullopt;
  return text;
}

std::optional<std::u16string> MoveText(Point from, const ContourStep& step) {
  std::u16string text = step.kind == ContourStep::Kind::Line
                            ? u"G01"
                            : (step.kind == ContourStep::Kind::Clockwise ? u"G02" : u"G03");
  if (!AppendValue(text, u'X', step.to.x - from.x) ||
      !AppendValue(text, u'Y', step.to.y - from.y)) {
    return std::nullopt;
  }
  if (step.kind == ContourStep::Kind::Line) return text;
  if (!AppendValue(text, u'I', step.centre.x - from.x) ||
      !AppendValue(text, u'J', step.centre.y - from.y)) {
    return std::nullopt;
  }
  return text;
}

}  // namespace qv
