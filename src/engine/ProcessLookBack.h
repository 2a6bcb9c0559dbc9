#pragma once

#include <cstdint>
#include <vector>

#include "engine/EngineState.h"
#include "post/MachiningCondition.h"

namespace qv {

// The look-back of a modal machining condition: which process the nearest line of the expanded
// program at or before a normalized line's index holds a process code of. The expanded program
// does not change during block generation, so the nearest code line of every index is found in
// one walk, the first time it is needed.
class ProcessLookBack {
 public:
  ProcessLookBack(EngineState& state, const MachiningCondition& condition);

  // Searches expandedLines from lineIndex + 2 (or its last line, when that is nearer) back to
  // the first line; the process of the nearest line with a process code, recorded as the process
  // found last, or None.
  BlockKind Find(int32_t lineIndex);

 private:
  EngineState& state_;
  const MachiningCondition& condition_;
  std::vector<int32_t> nearest_;  // per index: the nearest code line at or before it, or -1
  bool built_ = false;
};

}  // namespace qv
