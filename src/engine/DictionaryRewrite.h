#pragma once

#include <cstdint>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The last finishing pass: when the selected post has special code II pairs in the special
// code file the last preparation read, rebuilds the output from the source program with the
// pairs substituted, keeping the converted lines the pairs leave alone in their places. Without
// pairs the output stays as it is. 0, or -1 when a string-unit code never stops replacing.
int32_t RewriteByDictionary(EngineState& state, const EngineInputs& inputs);

}  // namespace qv
