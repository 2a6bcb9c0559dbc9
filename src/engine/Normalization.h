#pragma once

#include <cstdint>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The first pass of a conversion. Cuts the program head (saving its comments) and, when asked,
// the tail after the end code; removes ";"; expands macros; gives each subprogram body its
// start position; locates the substitution pairs; then rebuilds every line from the words the
// converter understands into normalizedLines. Keeps the expanded program in expandedLines and
// refills sourceLines with the normalized program. 0, or -1 (normalizedLines untouched) when
// the match table overflows.
int32_t NormalizeProgram(EngineState& state, const EngineInputs& inputs);

}  // namespace qv
