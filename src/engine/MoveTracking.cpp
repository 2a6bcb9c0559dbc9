#include "engine/MoveTracking.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/GCodeTexts.h"
#include "macro/PlaneGeometry.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Distinct start and end within this distance make a full circle.
constexpr double kFullCircleTolerance = 0.0001;

bool IsValueChar(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// The slot of a coordinate letter, or -1.
int SlotOf(char16_t c) {
  switch (c) {
    case u'X':
      return 0;
    case u'Y':
      return 1;
    case u'Z':
      return 2;
    case u'R':
      return 3;
    case u'I':
      return 4;
    case u'J':
      return 5;
    default:
      return -1;
  }
}

// Where a dwell word ("G04", its address letter and the value after it) ends.
size_t SkipDwell(std::u16string_view line, size_t p) {
  p += 4;  // "G04" and the address letter
  while (p < line.size() && IsValueChar(line[p])) ++p;
  return p;
}

bool IsIncrementalLine(const EngineState& state, const GCodeTexts& codes) {
  const bool g90 = codes.Has(90);
  const bool g91 = codes.Has(91);
  return (g91 && !g90) || (!g91 && !g90 && state.incremental == 1);
}

// An axis value of the line: its word, or the previous value when the line has none (0 for a
// relative move).
double AxisValue(const EngineState& state, const GCodeTexts& codes, WordSlot slot, double previous,
                 int32_t decimalIndex) {
  const std::u16string& text = WordValue(state, slot);
  if (!text.empty()) return ReadValue(text, decimalIndex);
  return IsIncrementalLine(state, codes) ? 0 : previous;
}

void ResetForRapid(MovePositions& p) {
  p.end = {};
  p.centre = {};
  p.radius = 0;
  p.current = {};
  p.currentR = p.currentI = p.currentJ = 0;
  p.previousR = p.previousI = p.previousJ = 0;
}

void KeepPrevious(MovePositions& p) {
  p.previous = p.current;
  p.previousR = p.currentR;
  p.previousI = p.currentI;
  p.previousJ = p.currentJ;
}

void SetEndPoint(EngineState& state, const GCodeTexts& codes, Point value) {
  MovePositions& p = state.positions;
  if (!codes.Has(93)) {
    const bool relative = codes.Has(90) ? false : codes.Has(91) ? true : state.incremental == 1;
    p.end = relative ? Point{p.start.x + value.x, p.start.y + value.y} : value;
  } else if (state.gFlags[93] != 0) {
    p.g93Shift = {value.x - p.g93Origin.x, value.y - p.g93Origin.y};
    p.g93Origin = value;
  }
}

// The centre of an R arc: the two circles of radius |R| about the ends meet on the right of the
// chord seen from the start (whatever the motion or the sign of R); when they touch or do not
// meet at all, the chord's midpoint stands in.
Point CentreFromRadius(Point start, Point end, double r) {
  const double radius = std::fabs(r);
  if (CircleCircleCount(start, radius, end, radius) == 2) {
    return CircleCircleIntersection(start, radius, end, radius, -1, 2);
  }
  return {(start.x + end.x) / 2, (start.y + end.y) / 2};
}

void SetArcData(EngineState& state, int32_t decimalIndex) {
  MovePositions& p = state.positions;
  if (state.arcMode == 1) {
    const std::u16string& i = WordValue(state, WordSlot::I);
    const std::u16string& j = WordValue(state, WordSlot::J);
    p.currentI = i.empty() ? 0 : ReadValue(i, decimalIndex);
    p.currentJ = j.empty() ? 0 : ReadValue(j, decimalIndex);
    p.currentR = 0;
    p.centre = {p.start.x + p.currentI, p.start.y + p.currentJ};
    p.radius = std::hypot(p.currentI, p.currentJ);
  } else if (state.arcMode == 0) {
    const std::u16string& r = WordValue(state, WordSlot::R);
    p.currentR = r.empty() ? p.previousR : ReadValue(r, decimalIndex);
    p.currentI = p.currentJ = 0;
    p.radius = p.currentR;
    p.centre = CentreFromRadius(p.start, p.end, p.currentR);
  } else {
    p.currentR = p.currentI = p.currentJ = 0;
    p.centre = {};
    p.radius = 0;
  }
}

void RecordFigure(EngineState& state) {
  const MovePositions& p = state.positions;
  switch (state.modalMotion) {
    case Motion::G00:
      InitBox(state.figureBox);
      state.elementCount = 0;
      return;
    case Motion::G01:
      ElementBox(ElementKind::Segment, {p.start, p.end, {}, 0}, state.figureBox);
      state.figureSize = std::hypot(p.end.x - p.start.x, p.end.y - p.start.y);
      state.figureKind = 1;
      break;
    case Motion::G02:
    case Motion::G03: {
      const double radius = std::fabs(p.radius);
      state.figureKind = 2;
      state.figureSize = radius;
      const bool fullCircle = std::fabs(p.start.x - p.end.x) < kFullCircleTolerance &&
                              std::fabs(p.start.y - p.end.y) < kFullCircleTolerance;
      if (fullCircle) {
        ElementBox(ElementKind::Circle, {{}, {}, p.centre, radius}, state.figureBox);
      } else {
        const double signedRadius = state.modalMotion == Motion::G02 ? -radius : radius;
        ElementBox(ElementKind::Arc, {p.start, p.end, p.centre, signedRadius}, state.figureBox);
      }
      break;
    }
    case Motion::None:
      state.figureSize = 0;
      state.figureKind = 0;
      break;
  }
  state.AddElement({state.modalMotion, {p.start, p.end, p.centre, p.radius}});
}

// The value of a plain decimal text (a sign, digits, a point and digits, at least one digit before
// the point) of at most 15 digits: its digits and the power of ten are exact doubles, so their
// quotient is the correctly rounded value that a full decimal reading gives too.
std::optional<double> PlainDecimal(std::u16string_view text) {
  size_t p = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ++p;
  uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (; p < text.size(); ++p) {
    const char16_t c = text[p];
    if (c == u'.' && decimals < 0 && count > 0) {
      decimals = 0;
    } else if (c >= u'0' && c <= u'9' && count < 15) {
      digits = digits * 10 + static_cast<uint64_t>(c - u'0');
      ++count;
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const double value = static_cast<double>(digits) / kPowers[std::max(decimals, 0)];
  return negative ? -value : value;
}

}  // namespace

double ReadValue(std::u16string_view text, int32_t decimalIndex) {
  const std::optional<double> plain = PlainDecimal(text);
  const double value = plain ? *plain : ToDouble(text);
  if (text.find(u'.') != std::u16string_view::npos) return value;
  static constexpr double kUnits[] = {10, 100, 1000};
  return value / (decimalIndex >= 0 && decimalIndex <= 2 ? kUnits[decimalIndex] : 10000);
}

std::u16string FormatValue(double value, int32_t decimalIndex) {
  switch (decimalIndex) {
    case 0:
      return Sprintf("%.1f", value);
    case 1:
      return Sprintf("%.2f", value);
    case 2:
      return Sprintf("%.3f", value);
    default:
      return Sprintf("%.4f", value);
  }
}

const std::u16string& WordValue(const EngineState& state, WordSlot slot) {
  return state.wordValues[static_cast<size_t>(slot)];
}

bool HasXYWord(const EngineState& state) {
  return !WordValue(state, WordSlot::X).empty() || !WordValue(state, WordSlot::Y).empty();
}

void ExtractWords(EngineState& state, std::u16string_view line) {
  for (std::u16string& value : state.wordValues) value.clear();
  state.currentXY.clear();
  size_t p = 0;
  while (p < line.size() && line[p] != u'\n') {
    if (line[p] == u'G' && line.substr(p, 3) == u"G04") {
      p = SkipDwell(line, p);
      continue;
    }
    const int slot = SlotOf(line[p]);
    if (slot < 0) {
      ++p;
      continue;
    }
    if (p + 1 >= line.size() || !IsValueChar(line[p + 1])) break;
    if (slot == 3) state.arcMode = 0;
    if (slot >= 4) state.arcMode = 1;
    const size_t from = p++;
    while (p < line.size() && IsValueChar(line[p])) ++p;
    state.currentXY += line.substr(from, p - from);
    state.wordValues[static_cast<size_t>(slot)] += line.substr(from + 1, p - from - 1);
  }
}

void TrackMove(EngineState& state, int32_t decimalIndex) {
  if (state.currentXY.empty()) return;
  const GCodeTexts codes(state.currentLine);
  MovePositions& p = state.positions;
  if (state.modalMotion == Motion::G00) {
    ResetForRapid(p);
  } else {
    if (state.modalMotion == Motion::G01) {
      p.centre = {};
      p.currentI = p.currentJ = 0;
      p.radius = 0;
      state.arcMode = -1;
    }
    if (!codes.Has(93)) KeepPrevious(p);
  }
  const Point value{AxisValue(state, codes, WordSlot::X, p.previous.x, decimalIndex),
                    AxisValue(state, codes, WordSlot::Y, p.previous.y, decimalIndex)};
  SetEndPoint(state, codes, value);
  SetArcData(state, decimalIndex);
  RecordFigure(state);
  p.start = p.end;
  p.current = p.end;
}

}  // namespace qv
