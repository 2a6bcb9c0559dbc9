#pragma once

#include <cstdint>
#include <string>

#include "engine/CQuorvalenDB.h"

namespace qv::test {

// Prepares the engine for the program and converts it as a run does: PrepareDictionary with
// the special code file (empty: none), the program as the source lines, ResetForRun, the run's
// code pairs, LoadClassLimits, LoadWorkChuteSize, Convert. Returns what Convert returned.
int32_t RunEngine(CQuorvalenDB& engine, const LineList& program, bool g98AfterG92 = false,
                  const std::u16string& specialCodePath = u"");

}  // namespace qv::test
