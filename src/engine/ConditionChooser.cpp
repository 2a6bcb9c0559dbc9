#include "engine/ConditionChooser.h"

#include <algorithm>
#include <cmath>

#include "engine/ElementIntersection.h"
#include "engine/EngineLimits.h"
#include "engine/SubprogramDictionary.h"
#include "macro/PlaneGeometry.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// The tolerances of the work-chute intersection tests.
constexpr double kChuteTolerance = 0.01;

template <size_t N>
const std::u16string* CodeOfClass(const std::array<std::u16string, N>& codes, int32_t sizeClass) {
  // A class beyond the list is unusable: nothing is chosen.
  if (sizeClass < 0 || static_cast<size_t>(sizeClass) >= codes.size()) return nullptr;
  return &codes[static_cast<size_t>(sizeClass)];
}

double Side(double from, double to) {
  const double side = std::fabs(to - from);
  return side < Tolerances().pointTolerance ? 0 : side;
}

}  // namespace

int32_t SizeClass(double s, double limit0, double limit1, double limit2) {
  if (s <= limit0) return 0;
  if (limit0 < s && s <= limit1) return 1;
  if (limit1 < s && s <= limit2) return 2;
  return 3;
}

std::u16string ExpandPlaceholders(std::u16string_view text, const EngineState& state,
                                  const MachiningCondition& condition) {
  std::u16string result(text.substr(0, std::min(text.size(), kMaxCompareLength)));
  const std::array<std::u16string, 4>& v = condition.programVariables;
  ReplaceAll(result, u"[A]", v[0]);
  ReplaceAll(result, u"[B]", v[1]);
  ReplaceAll(result, u"[C]", v[2]);
  if (!v[3].empty()) {
    ReplaceAll(result, u"[D]", v[3]);
  } else if (Contains(result, u"[D]")) {
    const std::u16string entry =
        state.dictionary ? LookupDictionary(*state.dictionary, state.subprogramName) : u"";
    ReplaceAll(result, u"[D]", entry);
  }
  return result;
}

ConditionChooser::ConditionChooser(EngineState& state, const EngineInputs& inputs,
                                   ProcessLookBack& lookBack)
    : state_(state), inputs_(inputs), lookBack_(lookBack) {}

bool ConditionChooser::Suppressed(const std::u16string& code) const {
  return inputs_.store.record.skipSameCondition != 0 && code == state_.lastCondition;
}

void ConditionChooser::AppendCondition(const std::u16string& code, std::u16string& text) {
  state_.cutConditionMarker = code;
  if (!Suppressed(code)) text += code;
  state_.lastCondition = code;
}

void ConditionChooser::ChooseConditionByElement(bool insert, std::u16string& text) {
  const int32_t kind = state_.figureKind;
  if (kind == 1 || kind == 2) {
    const double* limits = &state_.classLimits[kind == 1 ? 0 : 3];
    const int32_t sizeClass = SizeClass(state_.figureSize, limits[0], limits[1], limits[2]);
    const std::u16string* code = CodeOfClass(inputs_.store.condition.elementCodes, sizeClass);
    if (code != nullptr && !insert) {
      AppendCondition(*code, text);
      state_.lastConditionClass = sizeClass;
    } else if (code != nullptr && sizeClass != state_.lastConditionClass) {
      state_.cutConditionMarker = *code;
      if (!Suppressed(*code)) {
        LineList& out = state_.outputLines;
        const size_t at = out.empty() ? 0 : out.size() - 1;
        out.insert(out.begin() + static_cast<ptrdiff_t>(at), *code);
        LineChanged(at);
      }
      state_.lastCondition = *code;
      state_.lastConditionClass = sizeClass;
    }
  }
  state_.figureSize = 0;
  state_.figureKind = 0;
}

std::array<double, 2> ConditionChooser::FigureSides() const {
  const Box& box = state_.figureBox;
  return {Side(box.minX, box.maxX), Side(box.minY, box.maxY)};
}

void ConditionChooser::ChooseConditionByShape(std::u16string& text) {
  const auto [width, height] = FigureSides();
  if (width == 0 && height == 0) return;
  const double* limits = state_.classLimits.data();
  const int32_t sizeClass = SizeClass(std::max(width, height), limits[0], limits[1], limits[2]);
  const MachiningCondition& condition = inputs_.store.condition;
  const std::u16string* code = CodeOfClass(condition.shapeCodes, sizeClass);
  if (condition.conditionIsModal == 1) {
    // Punching and marking found before the figure mean its condition is theirs.
    const BlockKind process = lookBack_.Find(state_.lineIndex);
    if (process == BlockKind::Punching) code = &condition.punch[1];
    if (process == BlockKind::Marking) code = &condition.marking[1];
  }
  if (code != nullptr) AppendCondition(*code, text);
}

bool ConditionChooser::FigureClosesOnItself() const {
  const int32_t n = std::min(state_.elementCount, kMaxElements);
  const std::vector<PathElement>& e = state_.elements;
  if (n == 2) return ElementsIntersect(e[0], e[1]);
  for (int32_t i = 0; i <= 2 && i < n; ++i) {
    int32_t tests = 0;
    for (int32_t k = n - 1; k >= i + 2 && tests < 3; --k, ++tests) {
      if (ElementsIntersect(e[static_cast<size_t>(i)], e[static_cast<size_t>(k)])) return true;
    }
  }
  return false;
}

void ConditionChooser::DecideWorkChute(std::u16string& text) {
  const MachiningCondition& condition = inputs_.store.condition;
  if (condition.workChute != 1) return;
  bool closed = false;
  {
    const ScopedTolerances raised(kChuteTolerance, kChuteTolerance, kChuteTolerance,
                                  kChuteTolerance, kChuteTolerance, kChuteTolerance);
    closed = FigureClosesOnItself();
  }
  if (!closed) return;
  const auto [width, height] = FigureSides();
  if ((width != 0 || height != 0) && std::max(width, height) > state_.workChuteSize) {
    text += condition.workChuteCode;
  }
}

size_t& ConditionChooser::CleanBelow(std::u16string_view marker) {
  for (auto& [known, index] : cleanBelow_) {
    if (known == marker) return index;
  }
  return cleanBelow_.emplace_back(std::u16string(marker), 0).second;
}

void ConditionChooser::LineChanged(size_t index) {
  for (auto& entry : cleanBelow_) entry.second = std::min(entry.second, index);
}

void ConditionChooser::ReplaceLastMarker(bool workChute, std::u16string_view marker) {
  LineList& out = state_.outputLines;
  size_t& cleanBelow = CleanBelow(marker);
  for (size_t i = out.size(); i-- > cleanBelow;) {
    const std::u16string_view line =
        std::u16string_view(out[i]).substr(0, std::min(out[i].size(), kMaxCompareLength));
    const size_t at = line.find(marker);
    if (at == std::u16string_view::npos) continue;
    std::u16string text = out[i].substr(0, at);
    const std::u16string after = out[i].substr(at + marker.size());
    if (workChute) {
      DecideWorkChute(text);
    } else if (inputs_.store.condition.autoConditionBasis == 1) {
      ChooseConditionByElement(false, text);
    } else {
      ChooseConditionByShape(text);
    }
    out[i] = text + after;
    LineChanged(i);
    return;
  }
  cleanBelow = out.size();
}

}  // namespace qv
