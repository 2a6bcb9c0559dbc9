#include "engine/ProcessLookBack.h"

#include <algorithm>

#include "engine/ProcessCodes.h"

namespace qv {

ProcessLookBack::ProcessLookBack(EngineState& state, const MachiningCondition& condition)
    : state_(state), condition_(condition) {}

BlockKind ProcessLookBack::Find(int32_t lineIndex) {
  const LineList& lines = state_.expandedLines;
  if (!built_) {
    nearest_.assign(lines.size(), -1);
    int32_t last = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      // Only the line a look-back returns counts as found; the walk itself records nothing.
      const BlockKind before = state_.processFoundLast;
      if (SearchProcessCode(state_, lines[i], condition_) != BlockKind::None) {
        last = static_cast<int32_t>(i);
      }
      state_.processFoundLast = before;
      nearest_[i] = last;
    }
    built_ = true;
  }
  if (lines.empty()) return BlockKind::None;
  const int32_t from = std::min<int32_t>(lineIndex + 2, static_cast<int32_t>(lines.size()) - 1);
  if (from < 0 || nearest_[static_cast<size_t>(from)] < 0) return BlockKind::None;
  return SearchProcessCode(state_, lines[static_cast<size_t>(nearest_[static_cast<size_t>(from)])],
                           condition_);
}

}  // namespace qv
