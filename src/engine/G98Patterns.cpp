#include "engine/G98Patterns.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "engine/EngineLimits.h"
#include "engine/EngineWords.h"
#include "engine/G98Grid.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kLineCap = static_cast<size_t>(kMaxListedLines);

// The text after the first `from` up to the first `to` after it (the rest when there is none).
std::u16string_view TextBetween(std::u16string_view line, char16_t from, char16_t to) {
  const size_t start = line.find(from) + 1;
  const size_t end = line.find(to, start);
  return line.substr(start, end == std::u16string_view::npos ? end : end - start);
}

// A G93 value: the character after the letter whatever it is, then the value characters.
void ReadG93Value(std::u16string_view text, char16_t letter, double& value) {
  const size_t at = text.find(letter);
  if (at == std::u16string_view::npos) return;
  if (at + 1 >= text.size()) {
    value = 0;
    return;
  }
  value = ToDouble(text.substr(at + 1, 1 + CoordinateValueAt(text, at + 2).size()));
}

void ReadG93Origin(std::u16string_view line, Point& origin) {
  const std::u16string_view text = line.substr(3);
  ReadG93Value(text, u'X', origin.x);
  ReadG93Value(text, u'Y', origin.y);
}

void AppendCapped(LineList& lines, std::u16string_view line) {
  // Lines at or beyond the cap can never survive the final cut, so they are not kept.
  if (lines.size() < kLineCap) lines.emplace_back(line);
}

// Where a macro body lies (between the U and V lines) and the G93 origin met on the way.
struct MacroBlock {
  int32_t uLine = 0;
  int32_t vLine = 0;
  Point g93;
};

class PatternPass {
 public:
  PatternPass(const LineList& source, const G98Options& options)
      : source_(source),
        options_(options),
        digits_(options.decimalIndex >= 0 && options.decimalIndex <= 3 ? options.decimalIndex + 1
                                                                       : 4),
        g93Case_(options.g93Mode == 0 && options.coordinateMode == 1),
        subprogramNumber_(int64_t{ToInt(options.programNumber)} + 1) {}

  G98Conversion Run() {
    const size_t count = std::min(source_.size(), kLineCap);
    for (size_t i = 0; i < count; ++i) ConvertLine(static_cast<int32_t>(i));
    return Finish();
  }

 private:
  void ConvertLine(int32_t index) {
    const std::u16string_view line = source_[static_cast<size_t>(index)];
    if (Contains(line, u"G98")) {
      ReadGrid(line);
    } else if (Contains(line, u"G75") || Contains(line, u"G76")) {
      ConvertPattern(index);
    } else if (StartsWith(line, u"U")) {
      inMacro_ = true;
    } else if (StartsWith(line, u"V")) {
      inMacro_ = false;
    } else if (StartsWith(line, u"G93")) {
      if (inMacro_ || !g93Case_) return;
      previousG93_ = g93_;
      ReadG93Origin(line, g93_);
    } else if (!inMacro_) {
      main_.emplace_back(line);
      moved_ = moved_ || Contains(line, u"G01") || Contains(line, u"G02") || Contains(line, u"G03");
    }
  }

  // Each read needs the letters of the one before it; values not read keep the last grid's.
  void ReadGrid(std::u16string_view line) {
    if (!Contains(line, u"X")) return;
    grid_.x0 = ToDouble(TextBetween(line, u'X', u'Y'));
    if (!Contains(line, u"Y")) return;
    grid_.y0 = ToDouble(TextBetween(line, u'Y', u'I'));
    for (const char16_t* letter : {u"I", u"J", u"K", u"P"}) {
      if (!Contains(line, letter)) return;
    }
    grid_.i = ToDouble(TextBetween(line, u'I', u'J'));
    grid_.j = ToDouble(TextBetween(line, u'J', u'P'));
    const std::u16string_view afterP = line.substr(line.find(u'P') + 1);
    const size_t kAt = afterP.find(u'K');
    grid_.p = ToInt(afterP.substr(0, kAt));
    grid_.k = kAt == std::u16string_view::npos ? 0 : ToInt(afterP.substr(kAt + 1));
  }

  void ConvertPattern(int32_t index) {
    const std::u16string_view line = source_[static_cast<size_t>(index)];
    const size_t qAt = line.find(u'Q');
    if (qAt == std::u16string_view::npos) return;
    const std::u16string_view number = qAt > 4 ? line.substr(4, qAt - 4) : std::u16string_view();
    const std::optional<MacroBlock> block = FindMacro(index, number);
    if (!block) return;
    if (moved_) {
      moved_ = false;
      previous_ = {};
    }
    g93_ = block->g93;
    firstPointDone_ = false;
    AppendSubprogram(*block);
    const PatternCode code = Contains(line, u"G75") ? PatternCode::G75 : PatternCode::G76;
    const std::optional<std::vector<Point>> points =
        GridPoints(grid_, code, ToInt(line.substr(qAt + 1)), digits_, PointLimit());
    if (!points) return;
    const std::u16string call = options_.subprogramCallCode + options_.subprogramNumberWord +
                                Sprintf("%lld", static_cast<long long>(subprogramNumber_));
    for (const Point& point : *points) EmitPoint(point, call);
    ++subprogramNumber_;
  }

  // Backwards from the pattern line: the U and V lines of the macro, each taken again when met
  // again; a G93 line met while only one of them is known shifts the origin.
  std::optional<MacroBlock> FindMacro(int32_t index, std::u16string_view number) const {
    const std::u16string uMark = u"U" + std::u16string(number);
    const std::u16string vMark = u"V" + std::u16string(number);
    std::optional<int32_t> uLine;
    std::optional<int32_t> vLine;
    Point g93 = g93_;
    for (int32_t j = index; j >= 0; --j) {
      const std::u16string_view line = source_[static_cast<size_t>(j)];
      if (StartsWith(line, uMark)) {
        uLine = j;
      } else if (StartsWith(line, vMark)) {
        vLine = j;
      } else if (uLine.has_value() != vLine.has_value() && StartsWith(line, u"G93")) {
        ReadG93Origin(line, g93);
      }
      if (uLine && vLine) return MacroBlock{*uLine, *vLine, g93};
    }
    return std::nullopt;
  }

  void AppendSubprogram(const MacroBlock& block) {
    AppendCapped(subprograms_, options_.subprogramAddress +
                                   Sprintf("%lld", static_cast<long long>(subprogramNumber_)));
    for (int32_t j = block.uLine + 1; j < block.vLine; ++j) {
      AppendCapped(subprograms_, source_[static_cast<size_t>(j)]);
    }
    AppendCapped(subprograms_, options_.subprogramEndCode);
  }

  // Points whose lines would all lie beyond the final cut are not generated, so a huge grid
  // cannot exhaust memory.
  size_t PointLimit() const {
    return main_.size() > kLineCap ? 0 : (kLineCap - main_.size()) / 2 + 1;
  }

  void EmitPoint(const Point& point, const std::u16string& call) {
    if (g93Case_ && !firstPointDone_) {
      originLines_.emplace_back(u"G92X0Y0");
      shiftLines_.emplace_back();
      main_.push_back(Positioning(point.x - previous_.x + g93_.x - previousG93_.x,
                                  point.y - previous_.y + g93_.y - previousG93_.y));
      previousG93_ = g93_;
    } else {
      originLines_.emplace_back(u"G90G00X0Y0");
      shiftLines_.push_back(u"G92X" + Format(point.x) + u"Y" + Format(point.y));
      main_.push_back(Positioning(point.x - previous_.x, point.y - previous_.y));
    }
    main_.push_back(call);
    previous_ = point;
    firstPointDone_ = true;
  }

  std::u16string Positioning(double x, double y) const {
    return u"G90G00X" + Format(x) + u"Y" + Format(y);
  }
  std::u16string Format(double value) const { return FormatFixed(value, digits_); }

  // The subprograms stand before a final "%", else at the end.
  G98Conversion Finish() {
    LineList program = std::move(main_);
    const bool beforePercent = !program.empty() && program.back() == u"%";
    program.insert(beforePercent ? program.end() - 1 : program.end(), subprograms_.begin(),
                   subprograms_.end());
    if (program.size() > kLineCap) program.resize(kLineCap);
    return {std::move(program), std::move(originLines_), std::move(shiftLines_)};
  }

  const LineList& source_;
  const G98Options& options_;
  const int digits_;
  const bool g93Case_;
  int64_t subprogramNumber_;
  G98Grid grid_;
  Point previous_;
  Point g93_;
  Point previousG93_;
  bool firstPointDone_ = false;
  bool inMacro_ = false;
  bool moved_ = false;
  LineList main_;
  LineList subprograms_;
  LineList originLines_;
  LineList shiftLines_;
};

}  // namespace

std::vector<int32_t> FindG98Lines(const LineList& sourceLines) {
  const size_t count = std::min(sourceLines.size(), kLineCap);
  size_t first = 0;
  while (first < count && !Contains(sourceLines[first], u"G92")) ++first;
  std::vector<int32_t> indexes;
  bool later = false;
  for (size_t i = first; i < count; ++i) {
    if (!Contains(sourceLines[i], u"G98")) continue;
    later = later || i > first;
    if (indexes.size() < static_cast<size_t>(kMaxG98Lines)) {
      indexes.push_back(static_cast<int32_t>(i));
    }
  }
  if (!later) indexes.clear();
  return indexes;
}

G98Conversion ConvertG98Patterns(const LineList& sourceLines, const G98Options& options) {
  return PatternPass(sourceLines, options).Run();
}

}  // namespace qv
