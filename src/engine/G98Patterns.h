#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/EngineState.h"

namespace qv {

// The options the pattern subprogram conversion reads (the post record's and the run's).
struct G98Options {
  std::u16string programNumber;  // its integer value + 1 numbers the first subprogram
  std::u16string subprogramAddress = u"O";
  std::u16string subprogramEndCode = u"M99";
  std::u16string subprogramCallCode = u"M98";
  std::u16string subprogramNumberWord = u"P";
  int32_t decimalIndex = 0;
  int32_t coordinateMode = 0;
  int32_t g93Mode = 0;
  bool operator==(const G98Options&) const = default;
};

// What the conversion hands on: the program that replaces the source lines (main program with
// the subprograms, at most kMaxListedLines lines) and, one entry per grid point, the origin
// and shift lines the subprogram origin pass inserts. That pass's index list starts empty.
struct G98Conversion {
  LineList sourceLines;
  LineList originLines;
  LineList shiftLines;
  bool operator==(const G98Conversion&) const = default;
};

// The indexes of the "G98" lines from the first "G92" line on (at most kMaxG98Lines; later
// ones are left out); empty when no later line holds "G98", so the conversion is not needed.
std::vector<int32_t> FindG98Lines(const LineList& sourceLines);

// Rewrites U/V macro blocks repeated by G75/G76 grid patterns into subprograms, each grid point
// into a positioning line and a call. A pattern line without "Q", or whose macro block is not
// found, is dropped without effect. Only the first kMaxListedLines source lines are read.
G98Conversion ConvertG98Patterns(const LineList& sourceLines, const G98Options& options);

}  // namespace qv
