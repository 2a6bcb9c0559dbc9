#include "engine/StringPass.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr std::u16string_view kMotionMarker = u"G01G02G03";
constexpr std::u16string_view kCutConditionMarker = u"[CUT-FIG-CONDITION]";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void ApplyCodes(const EngineState& state, std::u16string& line) {
  if (line == kCutConditionMarker) return;
  for (size_t k = 0; k < state.stringFrom.size() && k < state.stringTo.size(); ++k) {
    ReplaceAll(line, state.stringFrom[k], state.stringTo[k]);
  }
}

// Pieces before a ";" are kept when not empty; the last piece is kept even when empty.
void AppendPieces(std::u16string_view line, LineList& out) {
  size_t start = 0;
  for (size_t cut = line.find(u';'); cut != std::u16string_view::npos;
       cut = line.find(u';', start)) {
    const std::u16string_view piece = line.substr(start, cut - start);
    if (!piece.empty() && !Contains(piece, kMotionMarker)) out.emplace_back(piece);
    start = cut + 1;
  }
  const std::u16string_view last = line.substr(start);
  if (!Contains(last, kMotionMarker)) out.emplace_back(last);
}

}  // namespace

void ApplyStringCodes(EngineState& state, const EngineInputs& inputs) {
  const bool modal = inputs.store.condition.conditionIsModal == 1;
  LineList lines = std::exchange(state.outputLines, {});
  for (std::u16string& line : lines) {
    if (line.empty() || (modal && std::all_of(line.begin(), line.end(), IsControl))) continue;
    ApplyCodes(state, line);
    AppendPieces(line, state.outputLines);
  }
}

}  // namespace qv
