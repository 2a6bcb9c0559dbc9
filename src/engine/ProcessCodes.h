#pragma once

#include <string_view>

#include "engine/EngineState.h"
#include "post/MachiningCondition.h"

namespace qv {

// The process whose source code the line contains, testing marking source 1, marking source
// 2, the punch source and the cutting source in that order (plain substring tests; an empty
// code never matches). A hit is recorded in the state's processFoundLast, which block
// generation reads later.
BlockKind SearchProcessCode(EngineState& state, std::u16string_view line,
                            const MachiningCondition& condition);

}  // namespace qv
