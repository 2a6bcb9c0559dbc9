#pragma once

#include "engine/EngineState.h"

namespace qv {

// Whether two path elements share a point within the geometry tolerances in force (the work-chute
// test runs it under raised tolerances). See the .cpp for which points count.
bool ElementsIntersect(const PathElement& first, const PathElement& second);

}  // namespace qv
