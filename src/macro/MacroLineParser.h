#pragma once

#include <string_view>

#include "macro/MacroWords.h"

namespace qv {

// What reading a macro line found.
enum class MacroParseResult {
  Words,             // the words of the line are in the record (possibly none)
  Blank,             // empty, comment-only or a GOTO line: nothing to look at
  Malformed,         // a C, G, I, J, K, P, Q, R, X or Y value is not a well-formed NC value
  ControlCharacter,  // the line holds a control character other than a tab (no words read)
};

// Reads the words of one program line into `words` (cleared first). Spaces, comments and
// everything after ";" are ignored; letters other than the ten word letters are passed over.
// A line too long to read safely counts as malformed. A malformed line leaves in the record
// the words read before its first bad value.
MacroParseResult ParseMacroLine(std::u16string_view line, MacroWords& words);

}  // namespace qv
