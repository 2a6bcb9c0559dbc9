#pragma once

#include <cstdint>
#include <string>

namespace qv {

// A scratch path for a new version of path: beside the file a write to path lands in (its
// symbolic links followed), so that the rename that swaps it in stays on one file system, and
// named after this process.
std::u16string ScratchPathFor(const std::u16string& path);

// 0 when path may be replaced through a scratch file (it is missing, or its write target is a
// plain file this process may write); -5 for a folder, a device or any other special file, and
// for a file marked read-only (no write permission for anyone) or not writable by this process.
int32_t CheckReplaceable(const std::u16string& path);

// Replaces target by the finished scratch file in one atomic step: the scratch file's data
// reaches the disk first, then a rename swaps it in, so a crash leaves the old or the new
// file, never none and never a mix. A symbolic link is written through (the link stays, the
// file it names is replaced) and the replaced file's permission bits carry over to the new one.
// An existing target that is not a plain file is refused (-5) and left alone. Returns 0 or a
// negative text-file status (-cause).
int32_t ReplaceFileAtomically(const std::u16string& scratch, const std::u16string& target);

// Whether a file (or folder) exists at path.
bool PathExists(const std::u16string& path);

// Removes a file; 0, or a negative text-file status.
int32_t RemoveFile(const std::u16string& path);

}  // namespace qv
