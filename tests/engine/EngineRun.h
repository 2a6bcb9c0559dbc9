#pragma once

#include <cstdint>
#include <string>

#include "engine/CQuorvalenDB.h"

namespace qv::test {

// Feeds the engine's code pairs the way a conversion run does after its reset: the punch and
// the two marking pairs of the machining condition; with the program's G92 left alone, the
// G93 pair of the G93 option; the post's 20 line-unit special codes; the subprogram word mapped
// to itself; and the 20 string-unit special codes. `g98AfterG92` says whether the source has a
// "G98" line after its first "G92" line.
void FeedCodePairs(CQuorvalenDB& engine, const PostStore& store, const Settings& runWide,
                   bool g98AfterG92);

// Prepares the engine for the program and converts it as a run does: PrepareDictionary with
// the special code file (empty: none), the program as the source lines, ResetForRun, the code
// pairs, LoadClassLimits, LoadWorkChuteSize, Convert. Returns what Convert returned.
int32_t RunEngine(CQuorvalenDB& engine, const LineList& program, bool g98AfterG92 = false,
                  const std::u16string& specialCodePath = u"");

}  // namespace qv::test
