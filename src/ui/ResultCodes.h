#pragma once

#include <cstdint>
#include <string>

namespace qv {

// The result of a run that the automatic mode writes to "ERR_INFO.TXT" as "<code> <message>".
enum class ResultCode : int32_t {
  Ok = 0,
  NoPost = 103,
  NoMaterial = 104,
  NoThickness = 105,
  NoOutput = 106,
  NoInput = 107,
  NoProgramNumber = 108,
  NoSubprogram = 109,
  NoSubprogramCall = 110,
  OutOfMemory = 111,
  Unconvertible = 112,
};

// The message of a result (112 without its count filled in).
std::u16string ResultMessage(ResultCode code);
// "<code> <message>"; the unconvertible count fills the 112 message.
std::u16string ResultLine(ResultCode code, int32_t unconvertibleCount = 0);

}  // namespace qv
