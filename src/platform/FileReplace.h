#pragma once

#include <cstdint>
#include <string>

namespace qv {

// Replaces target by the finished scratch file in one atomic step: the scratch file's data
// reaches the disk first, then a rename swaps it in, so a crash leaves the old or the new
// file, never none and never a mix. Returns 0 or a negative text-file status (-cause).
int32_t ReplaceFileAtomically(const std::u16string& scratch, const std::u16string& target);

// Whether a file (or folder) exists at path.
bool PathExists(const std::u16string& path);

// Removes a file; 0, or a negative text-file status.
int32_t RemoveFile(const std::u16string& path);

}  // namespace qv
