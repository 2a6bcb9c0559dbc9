#include "macro/CGMacroChg.h"

#include <algorithm>
#include <utility>

#include "macro/MacroLineParser.h"
#include "macro/MacroPatterns.h"
#include "macro/RotatedSubprogram.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

bool IsFigure(int32_t g) { return g >= 111 && g <= 116; }

bool IsPattern(int32_t g) { return g == 126 || g == 128 || g == 129 || g == 136 || g == 137; }

}  // namespace

CGMacroChg::CGMacroChg() = default;

CGMacroChg::~CGMacroChg() = default;

void CGMacroChg::SetReportLists(std::vector<std::u16string>* unconvertible,
                                std::vector<std::u16string>* warnings) {
  unconvertible_ = unconvertible;
  warnings_ = warnings;
}

int32_t CGMacroChg::DetectDistanceMode(std::u16string_view line, int32_t mode) {
  // Most lines hold neither; one search for what both begin with settles those. The texts are
  // constants so that their length is not counted at each line.
  static constexpr std::u16string_view kG9 = u"G9";
  static constexpr std::u16string_view kG90 = u"G90";
  static constexpr std::u16string_view kG91 = u"G91";
  if (line.find(kG9) == std::u16string_view::npos) return mode;
  const size_t p90 = line.find(kG90);
  const size_t p91 = line.find(kG91);
  if (p90 == std::u16string_view::npos && p91 == std::u16string_view::npos) return mode;
  if (p90 == std::u16string_view::npos) return 1;
  return p91 != std::u16string_view::npos && p91 >= p90 ? 1 : 0;
}

void CGMacroChg::ResetRun(const std::vector<std::u16string>& lines) {
  programLines = &lines;
  lastG = -1;
  lastX = lastY = 0;
  modalI = modalJ = modalR = modalC = modalK = 0;
  savedFigure = MacroWords{};
  savedFigureValid = false;
  patternAngle = 0;
  linesLeft_ = kMaxExpansionLines;
  refusals_.clear();
}

int32_t CGMacroChg::ExpandInPlace(std::vector<std::u16string>& lines) {
  ResetRun(lines);
  int32_t mode = 0;
  int32_t result = 0;
  // Built beside the input rather than by erasing and inserting, which would be quadratic; the
  // line number passed on is the line's index in the program as expanded so far, exactly as if
  // the lines were replaced where they stand. The input stays whole until the end, since
  // subprogram blocks are looked up in it: a line kept as it is holds an empty place until
  // then and is moved in at the end rather than copied.
  std::vector<std::u16string> expanded;
  expanded.reserve(lines.size());
  std::vector<std::pair<size_t, size_t>> keptPlaces;  // (place in expanded, index in lines)
  std::vector<std::u16string> produced;
  for (size_t j = 0; j < lines.size(); ++j) {
    mode = DetectDistanceMode(lines[j], mode);
    const auto lineNumber = static_cast<int32_t>(expanded.size() + 1);
    const int32_t r = ExpandLine(lines[j], mode, produced, lineNumber);
    if (r >= 0) {
      std::move(produced.begin(), produced.end(), std::back_inserter(expanded));
      result = 1;
    } else if (r == -3 && IsFigure(words.g) && !words.hasX && !words.hasY) {
      result = 1;  // the line only defined the figure for the patterns that follow
    } else {
      keptPlaces.emplace_back(expanded.size(), j);
      expanded.emplace_back();
    }
    FinishLine();
  }
  programLines = nullptr;
  for (const auto& [place, j] : keptPlaces) expanded[place] = std::move(lines[j]);
  lines = std::move(expanded);
  return result;
}

int32_t CGMacroChg::CheckAndExpand(const std::vector<std::u16string>& lines,
                                   std::vector<std::u16string>& out) {
  ResetRun(lines);
  out.clear();
  int32_t mode = 0;
  bool rejected = false;
  bool expanded = false;
  std::vector<std::u16string> produced;
  for (size_t j = 0; j < lines.size(); ++j) {
    mode = DetectDistanceMode(lines[j], mode);
    const int32_t r = ExpandLine(lines[j], mode, produced, static_cast<int32_t>(j + 1));
    if (r < 0) {
      out.push_back(lines[j]);
      rejected = rejected || r == -2;
    } else {
      std::move(produced.begin(), produced.end(), std::back_inserter(out));
      expanded = true;
    }
    FinishLine();
  }
  programLines = nullptr;
  return rejected ? -1 : (expanded ? 1 : 0);
}

int32_t CGMacroChg::ExpandNextLine(std::u16string_view line, int32_t mode,
                                   std::vector<std::u16string>& out, int32_t lineNumber) {
  const int32_t result = ExpandLine(line, mode, out, lineNumber);
  FinishLine();
  return result;
}

int32_t CGMacroChg::ExpandLine(std::u16string_view line, int32_t mode,
                               std::vector<std::u16string>& out, int32_t lineNumber) {
  currentLine = line;
  incremental = mode;
  out.clear();
  producedLines.clear();
  lineFigureValid = false;
  const MacroParseResult parsed = ParseMacroLine(line, words);
  if (parsed == MacroParseResult::Blank) return -4;
  if (parsed == MacroParseResult::ControlCharacter) {
    return Refuse(MacroRefusal::ControlCharacter, lineNumber);
  }
  if (parsed == MacroParseResult::Malformed) {
    Record(unconvertible_, lineNumber);
    return -2;
  }
  const int c = CheckWords();
  if (rotationOn == 1 && (Contains(line, u"M98H") || Contains(line, u"M98P"))) {
    const SubprogramResult called = TryRotatedCall();
    if (called == SubprogramResult::Unprintable) {
      return Refuse(MacroRefusal::Unprintable, lineNumber);
    }
    if (called == SubprogramResult::Expanded) {
      if (const auto refusal = TakeFromBudget()) return Refuse(*refusal, lineNumber);
      out.swap(producedLines);  // out was emptied above, so producedLines is empty again
      return 0;
    }
  }
  if (c >= 0) {
    if (const auto refusal = RunMacro(lineNumber)) return Refuse(*refusal, lineNumber);
    out.swap(producedLines);  // out was emptied above, so producedLines is empty again
    return 0;
  }
  if (c == -1 || c == -2) {
    Record(unconvertible_, lineNumber);
    return -2;
  }
  return c;
}

int CGMacroChg::CheckWords() {
  const int32_t g = words.g;
  if (g == 68) {
    if (words.hasR) {
      rotationOn = 1;
      rotationAngle = words.r;
    }
    return -1;
  }
  if (g == 69) {
    rotationOn = 0;
    rotationAngle = 0;
    return -1;
  }
  if (IsFigure(g)) {
    if (CompleteModalWords() != 0) return -1;
    const int r = CheckFigure(words);
    lineFigureValid = r == 0 || r == -3;  // -3: valid, only without a position
    return r;
  }
  if (IsPattern(g)) return CheckPattern(words);
  if (g >= 100 && g <= 999) return -2;
  return -3;
}

int CGMacroChg::CompleteModalWords() {
  MacroWords& w = words;
  if (w.hasX && !w.hasY) {
    w.y = incremental ? 0 : lastY;
    w.hasY = 1;
  } else if (w.hasY && !w.hasX) {
    w.x = incremental ? 0 : lastX;
    w.hasX = 1;
  }
  if (w.hasI) {
    modalI = modalJ = modalR = modalC = modalK = 0;
    return 0;
  }
  // A line without I repeats the previous figure, so it may only carry a new position.
  if ((w.g != lastG && lastG != 0) || w.hasJ || w.hasK || w.hasR || w.hasC || w.hasQ) {
    modalI = modalJ = modalR = modalC = 0;
    return -1;
  }
  if (modalI > 0) {
    w.i = modalI;
    w.hasI = 1;
  }
  if (modalJ != 0) {
    w.j = modalJ;
    w.hasJ = 1;
  }
  if (modalR > 0) {
    w.r = modalR;
    w.hasR = 1;
  } else if (modalC > 0) {
    w.c = modalC;
    w.hasC = 1;
  }
  w.k = modalK;
  w.hasK = 1;
  return 0;
}

FigureContext CGMacroChg::Context(double angle) const {
  return FigureContext{incremental, angle, options_.exactStop, options_.cutterSide};
}

std::optional<MacroRefusal> CGMacroChg::RunMacro(int32_t lineNumber) {
  const std::optional<MacroRefusal> refusal =
      IsFigure(words.g) ? RunFigure(lineNumber) : RunPattern(lineNumber);
  return refusal ? refusal : TakeFromBudget();
}

std::optional<MacroRefusal> CGMacroChg::RunFigure(int32_t lineNumber) {
  const int r = GenerateFigure(words, Context(patternAngle), shape, producedLines);
  if (r == -2) return MacroRefusal::Unprintable;
  if (r != 0) Record(warnings_, lineNumber);
  return std::nullopt;
}

std::optional<MacroRefusal> CGMacroChg::RunPattern(int32_t lineNumber) {
  if (!savedFigureValid) {
    Record(warnings_, lineNumber);
    return std::nullopt;
  }
  const MacroWords pattern = words;
  const Point base{words.hasX ? words.x : lastX, words.hasY ? words.y : lastY};
  const std::vector<PatternStop> stops =
      PatternStops(words, base, words.hasX || words.hasY, savedFigure.i < 0);
  words = savedFigure;
  words.hasX = 1;
  words.hasY = 1;
  lineFigureValid = true;
  producedLines.clear();
  // Every figure of a pattern has as many lines as the first (only the place differs), so
  // the first tells whether the whole pattern fits before the rest is made.
  std::optional<MacroRefusal> refusal;
  bool failed = false;
  for (size_t n = 0; n < stops.size() && !refusal; ++n) {
    words.x = stops[n].position.x;
    words.y = stops[n].position.y;
    patternAngle = stops[n].patternAngle;
    const int r = GenerateFigure(words, Context(patternAngle), shape, producedLines);
    failed = failed || r != 0;
    const size_t needed = n == 0 ? producedLines.size() * stops.size() : producedLines.size();
    if (r == -2) {
      refusal = MacroRefusal::Unprintable;
    } else if (needed > patternLineLimit_) {
      refusal = MacroRefusal::PatternTooLarge;
    } else if (needed > linesLeft_) {
      refusal = MacroRefusal::ExpansionTooLarge;
    }
  }
  patternAngle = 0;
  if (refusal) {
    words = pattern;  // the refused pattern leaves its own words for the bookkeeping
    lineFigureValid = false;
    return refusal;
  }
  if (failed) Record(warnings_, lineNumber);
  return std::nullopt;
}

SubprogramResult CGMacroChg::TryRotatedCall() {
  const std::u16string label = SubprogramLabel(TrimRight(currentLine));
  producedLines.clear();
  if (programLines == nullptr) return SubprogramResult::NotFound;
  return ExpandRotatedSubprogram(*programLines, label, rotationAngle,
                                 std::clamp(options_.decimalIndex, 0, 3), producedLines);
}

std::optional<MacroRefusal> CGMacroChg::TakeFromBudget() {
  if (producedLines.size() > linesLeft_) return MacroRefusal::ExpansionTooLarge;
  linesLeft_ -= producedLines.size();
  return std::nullopt;
}

int32_t CGMacroChg::Refuse(MacroRefusal reason, int32_t lineNumber) {
  producedLines.clear();
  Record(unconvertible_, lineNumber);
  refusals_.push_back({lineNumber, reason});
  return -2;
}

void CGMacroChg::FinishLine() {
  if (words.g >= 0) lastG = words.g;
  if (words.hasX) lastX = words.x;
  if (words.hasY) lastY = words.y;
  if (words.hasI) modalI = words.i;
  if (words.hasJ) modalJ = words.j;
  if (words.hasR) modalR = words.r;
  if (words.hasC) modalC = words.c;
  if (words.hasK) modalK = words.k;
  if (IsFigure(words.g)) {
    savedFigure = words;
    savedFigureValid = lineFigureValid;
  }
}

void CGMacroChg::Record(std::vector<std::u16string>* list, int32_t lineNumber) const {
  if (list == nullptr) return;
  std::u16string entry = lineNumber > 0 ? Sprintf("%6d", lineNumber) : std::u16string();
  if (!entry.empty()) entry += u"    ";
  entry += currentLine;
  list->push_back(std::move(entry));
}

}  // namespace qv
