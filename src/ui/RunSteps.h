#pragma once

#include <string>

#include "engine/CQuorvalenDB.h"
#include "engine/G98Patterns.h"

namespace qv {

// The line a run inserts when the program sets no coordinate system.
inline constexpr char16_t kDefaultG92Line[] = u"G92X0Y0";

// Inserts kDefaultG92Line before the first line holding a "G" outside a comment, unless some
// line holds "G92"; true when it was inserted.
bool EnsureG92Line(LineList& lines);

// Replaces every line holding "G92" by the record's coordinate line, followed by its second
// coordinate line when the record has a second code.
void SetG92Lines(LineList& lines, const PostRecord& record);

// The pattern conversion's options from the post record and the run-wide values.
G98Options G98OptionsFor(const PostRecord& record, const Settings& runWide);

// Puts the pattern conversion's program in place of the source lines and hands its origin and
// shift lines to the subprogram origin pass.
void ApplyG98Conversion(EngineState& state, G98Conversion conversion);

// Feeds the engine's code pairs after its reset: the punch and the two marking pairs of the
// machining condition; with the program's G92 left alone, the G93 pair of the G93 option; the
// post's line-unit special codes; the subprogram word mapped to itself; the string-unit special
// codes. `g98AfterG92` says whether the source has a "G98" line after its first "G92" line.
void FeedCodePairs(CQuorvalenDB& engine, const PostStore& store, const Settings& runWide,
                   bool g98AfterG92);

}  // namespace qv
