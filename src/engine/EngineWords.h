#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/EngineLimits.h"

namespace qv {

// How the engine reads words: by the character at a position and the one after it. A letter
// with nothing after it is no word. Coordinate values may carry "+" here, unlike the macro
// reader's values, since the engine copies them as written.
enum class WordClass { None, G, M, ProgramNumber, Coordinate };

using WordFlags = std::array<int32_t, kFlagCount>;

// The class of the word starting at position p of the line.
WordClass WordClassAt(std::u16string_view line, size_t p);
// The run of decimal digits starting at `from` (empty past the end).
std::u16string_view DigitsAt(std::u16string_view line, size_t from);
// The run of digits, "+", "-" and "." starting at `from`: a coordinate value.
std::u16string_view CoordinateValueAt(std::u16string_view line, size_t from);
// A word number read from its digits (saturating); nullopt when there are none, since a G or M
// letter without digits is no numbered word.
std::optional<int32_t> WordNumber(std::u16string_view digits);
// Calls visit(flag) with the flag that each G or M word of the line numbered below kFlagCount
// stands for, read as WordClassAt reads words.
template <typename Visit>
void ForEachWordFlag(std::u16string_view line, WordFlags& gFlags, WordFlags& mFlags, Visit visit) {
  for (size_t p = 0; p + 1 < line.size(); ++p) {
    if (line[p] != u'G' && line[p] != u'M') continue;
    const std::optional<int32_t> number = WordNumber(DigitsAt(line, p + 1));
    if (number && *number < kFlagCount) visit((line[p] == u'G' ? gFlags : mFlags)[*number]);
  }
}
// Clears both arrays, then flags every G word numbered below kFlagCount and every M word
// likewise.
void SetWordFlags(std::u16string_view line, WordFlags& gFlags, WordFlags& mFlags);

}  // namespace qv
