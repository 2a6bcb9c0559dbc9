#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Writes lines, each ended by a line break, as the new content of the text file at path: into a
// scratch file beside it, which then replaces it in one atomic rename (links are written
// through, permissions kept). On failure the file at path is as it was and no scratch file is
// left. 0, or a negative text-file status.
int32_t ReplaceTextFile(const std::u16string& path, const std::vector<std::u16string>& lines);

}  // namespace qv
