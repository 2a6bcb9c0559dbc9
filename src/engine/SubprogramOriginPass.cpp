#include "engine/SubprogramOriginPass.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "engine/EngineWords.h"
#include "engine/MoveTracking.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNotFound = std::u16string::npos;

// The line after which a subprogram's origin goes, and the G00 line its shift is read from.
struct LabelPlace {
  size_t labelLine = 0;
  size_t moveLine = 0;
};

class OriginPass {
 public:
  OriginPass(EngineState& state, const EngineInputs& inputs)
      : inputs_(inputs),
        lines_(state.outputLines),
        origins_(state.subprogramOrigins),
        decimalIndex_(inputs.store.record.decimalIndex) {}

  int32_t Run();

 private:
  size_t MainProgramEnd() const;
  std::optional<LabelPlace> FindLabel(size_t end, std::u16string_view label) const;
  int32_t SetOrigin(const LabelPlace& place);
  void ShiftPositioning(size_t line);
  void InsertGridLines();
  // The value of the text after the first `letter`, or nullopt when the line has none.
  std::optional<double> ValueAfter(std::u16string_view line, char16_t letter) const;

  const EngineInputs& inputs_;
  LineList& lines_;
  SubprogramOrigins& origins_;
  int32_t decimalIndex_;
  Point shift_;
};

size_t OriginPass::MainProgramEnd() const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::u16string_view line = lines_[i];
    if (!Contains(line, u"(") && (Contains(line, u"M30") || Contains(line, u"M02"))) return i;
  }
  return kNotFound;
}

std::optional<LabelPlace> OriginPass::FindLabel(size_t end, std::u16string_view label) const {
  const std::u16string& stop = inputs_.store.record.subprogramEndCode;
  for (size_t i = end; i < lines_.size(); ++i) {
    if (!Contains(lines_[i], label)) continue;
    for (size_t m = i + 1; m < lines_.size(); ++m) {
      if (!stop.empty() && Contains(lines_[m], stop)) return std::nullopt;
      if (Contains(lines_[m], u"G00")) return LabelPlace{i, m};
    }
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<double> OriginPass::ValueAfter(std::u16string_view line, char16_t letter) const {
  const size_t at = line.find(letter);
  if (at == std::u16string_view::npos) return std::nullopt;
  return ReadValue(line.substr(at + 1), decimalIndex_);
}

int32_t OriginPass::SetOrigin(const LabelPlace& place) {
  const auto at = lines_.begin() + static_cast<ptrdiff_t>(place.labelLine) + 1;
  if (G93ConversionApplies(inputs_)) {
    if (origins_.originLines.empty()) return -1;
    shift_ = {};
    lines_.insert(at, origins_.originLines.front());
    return 0;
  }
  const std::u16string_view move = lines_[place.moveLine];
  shift_.x = ValueAfter(move, u'X').value_or(shift_.x);
  shift_.y = ValueAfter(move, u'Y').value_or(0);
  lines_.insert(at, u"G92X" + FormatValue(shift_.x, decimalIndex_) + u"Y" +
                        FormatValue(shift_.y, decimalIndex_));
  return 0;
}

void OriginPass::ShiftPositioning(size_t line) {
  std::u16string& positioning = lines_[line];
  const size_t x = positioning.find(u'X');
  const std::u16string kept = x == kNotFound ? u"G90G00" : positioning.substr(0, x);
  const double xValue = x == kNotFound ? 0 : ReadValue(positioning.substr(x + 1), decimalIndex_);
  const double yValue = ValueAfter(positioning, u'Y').value_or(0);
  positioning = kept + u"X" + FormatValue(xValue + shift_.x, decimalIndex_) + u"Y" +
                FormatValue(yValue + shift_.y, decimalIndex_);
}

bool IsMove(std::u16string_view line) {
  return Contains(line, u"G01") || Contains(line, u"G02") || Contains(line, u"G03");
}

// For each call c, the grid lines of c - 1 go after the first move between call c - 1 and call
// c. Taken from the last call back, a list with fewer entries than there are calls stops the
// walk at once, so nothing goes in; otherwise the stretches are apart and one pass does all.
void OriginPass::InsertGridLines() {
  const std::vector<int32_t>& bounds = origins_.callIndexes;
  const LineList& origin = origins_.originLines;
  const LineList& shifts = origins_.shiftLines;
  const size_t calls = bounds.size() - 1;
  if ((!origin.empty() && calls > origin.size()) || (!shifts.empty() && calls > shifts.size())) {
    return;
  }
  LineList result;
  result.reserve(lines_.size() + 2 * calls);
  size_t copied = 0;
  for (size_t grid = 0; grid < calls; ++grid) {
    const auto first = lines_.begin() + bounds[grid];
    const auto move = std::find_if(first, lines_.begin() + bounds[grid + 1], IsMove);
    if (move == lines_.begin() + bounds[grid + 1]) continue;
    const auto upTo = static_cast<size_t>(move - lines_.begin()) + 1;
    for (; copied < upTo; ++copied) result.push_back(std::move(lines_[copied]));
    if (!origin.empty()) result.push_back(origin[grid]);
    if (!shifts.empty()) result.push_back(shifts[grid]);
  }
  for (; copied < lines_.size(); ++copied) result.push_back(std::move(lines_[copied]));
  lines_ = std::move(result);
}

int32_t OriginPass::Run() {
  const size_t end = MainProgramEnd();
  if (end == kNotFound) return 0;
  const PostRecord& record = inputs_.store.record;
  const std::u16string callWord = record.subprogramCallCode + record.subprogramNumberWord;
  origins_.callIndexes.clear();
  std::u16string previous;
  for (size_t j = 0; j < end && !callWord.empty(); ++j) {
    const size_t at = lines_[j].find(callWord);
    if (at == kNotFound) continue;
    const std::u16string label =
        record.subprogramAddress + std::u16string(DigitsAt(lines_[j], at + callWord.size()));
    if (label != previous) {
      const std::optional<LabelPlace> place = FindLabel(end, label);
      if (!place) {
        previous.clear();
        continue;
      }
      if (SetOrigin(*place) != 0) return -1;
      previous = label;
    }
    origins_.callIndexes.push_back(static_cast<int32_t>(j));
    // A call on the first line has no positioning before it to shift.
    if (j == 0) return -1;
    ShiftPositioning(j - 1);
  }
  origins_.callIndexes.push_back(static_cast<int32_t>(end));
  InsertGridLines();
  return 0;
}

}  // namespace

int32_t SetSubprogramOrigins(EngineState& state, const EngineInputs& inputs) {
  if (!state.subprogramOrigins.pending) return 0;
  return OriginPass(state, inputs).Run();
}

}  // namespace qv
