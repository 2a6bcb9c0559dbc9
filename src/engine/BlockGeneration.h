#pragma once

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The second pass of a conversion: rewrites normalizedLines into outputLines in the form the
// post prescribes. Writes the program head, opens a punching, marking or cutting block at each
// positioning with the post's templates and sequence numbers, carries G41/G42 to the first
// cutting move, converts G93 origin shifts when asked, chooses each cutting figure's machining
// condition and work-chute code, and ends with the machining end.
void GenerateBlocks(EngineState& state, const EngineInputs& inputs);

}  // namespace qv
