#pragma once

#include <string>
#include <string_view>

namespace qv {

// The program folder: $QUORVALEN_HOME when set, otherwise the folder of the running executable.
std::u16string ProgramFolder();

// "System\<name>" of the program folder, as a path of this platform.
std::u16string SystemPath(std::u16string_view name);

// A file directly in the program folder ("ERR_INFO.TXT").
std::u16string ProgramFolderPath(std::u16string_view name);

}  // namespace qv
