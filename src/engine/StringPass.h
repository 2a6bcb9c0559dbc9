#pragma once

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The first finishing pass over outputLines: drops empty lines (and, with a modal condition,
// lines of control characters only), applies the string-unit special codes, splits lines at
// ";" and drops the pieces that hold the "G01G02G03" marker.
void ApplyStringCodes(EngineState& state, const EngineInputs& inputs);

}  // namespace qv
