#pragma once

#include <string>
#include <string_view>

namespace qv {

// The program folder: $QUORVALEN_HOME when set, otherwise the folder of the running executable.
// Only the executables' mains call it; everything else gets a SystemFiles built from it.
std::u16string ProgramFolder();

}  // namespace qv
