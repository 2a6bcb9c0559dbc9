#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Most lines one replacement pass may produce: blocks that call blocks grow the program
// exponentially over the run's passes, and a million lines is far beyond any machine's
// program memory.
inline constexpr size_t kMaxReplacedLines = 1000000;

// What a replacement pass did.
enum class ReplaceStatus {
  Done,         // the lines were rewritten, or left as they were
  TooManyLines  // the result would pass kMaxReplacedLines; the lines are unchanged
};

// Replaces the subprogram calls of a converted program by the lines of the called blocks, for
// machines that cannot call subprograms. One pass replaces one level of calls.
class Csubpro_rep {
 public:
  virtual ~Csubpro_rep() = default;

  // One pass over outputLines: a line holding call (for example "M98P") is replaced by the
  // lines after the first line holding sub + the rest of the call line, up to the line holding
  // end; the first line holding "M30", "M02" or "G50" ends the program (what follows is
  // dropped). An empty call text leaves the lines unchanged.
  ReplaceStatus ReplaceCalls(std::vector<std::u16string>& outputLines, std::u16string_view call,
                             std::u16string_view sub, std::u16string_view end);
};

}  // namespace qv
