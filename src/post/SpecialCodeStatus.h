#pragma once

#include <cstdint>
#include <string>

namespace qv {

// The outcome of an operation on the additional special code file.
enum class SpecialCodeStatus : int32_t {
  Ok = 0,
  InitFailed = -1,        // the file cannot be read, or created at start-up
  PostNotInFile = -2,     // no block of the post among the first ten
  ReadFailed = -3,        // the file ends inside a block
  PostDataNotFound = -4,  // the file (or, for the sync, the post file) cannot be read
  WriteFailed = -5,       // the rewrite could not replace the file
  NoPosts = -6,           // the post file names no post
  FileNotFound = -7,      // the sync cannot read the special code file
};

// The message the editors show for a status; empty for Ok. The post layer keeps this one table
// of the family because the editors that show it sit above it.
std::u16string SpecialCodeMessage(SpecialCodeStatus status);

}  // namespace qv
