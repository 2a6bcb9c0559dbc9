#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

// Fixed capacities of the conversion engine. Each table is allocated once at its full size and
// refuses data beyond it where the data enters; nothing grows during a conversion.

// Entries of the match table in one conversion; one more makes the conversion fail.
inline constexpr int32_t kMaxMatches = 100000;
// Path elements recorded for one figure; later elements of a longer figure are not recorded.
inline constexpr int32_t kMaxElements = 30000;
// Entries of each G and M flag array (word numbers 0 to 99).
inline constexpr int32_t kFlagCount = 100;
// Lines a listing shows.
inline constexpr int32_t kMaxListedLines = 32767;
// Characters compared in a template, keep-pattern or marker test; longer texts are cut.
inline constexpr size_t kMaxCompareLength = 255;
// Coordinate-word slots X, Y, Z, R, I, J and size-class limits (three for lines or the long
// side, three for arc radii).
inline constexpr int32_t kWordSlotCount = 6;
inline constexpr int32_t kClassLimitCount = 6;
// "G98" line indexes the run records before the pattern subprogram conversion; later ones are
// not recorded.
inline constexpr int32_t kMaxG98Lines = 100;

}  // namespace qv
