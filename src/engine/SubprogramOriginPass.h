#pragma once

#include <cstdint>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The second finishing pass, run only when the pattern subprogram conversion rewrote the source:
// sets an origin after each called subprogram's label, shifts the positioning before each call
// by it, and inserts the grid points' origin and shift lines after the first move of each
// call's stretch of the main program. 0, or -1 when an origin line is needed and there is none.
int32_t SetSubprogramOrigins(EngineState& state, const EngineInputs& inputs);

}  // namespace qv
