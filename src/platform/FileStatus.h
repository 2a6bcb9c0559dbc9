#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// Status codes of file operations: 0 on success, otherwise the negated file-error cause.
enum TextFileStatus : int32_t {
  kTextOk = 0,
  kTextGenericError = -1,
  kTextNotFound = -2,
  kTextBadPath = -3,
  kTextTooManyOpenFiles = -4,
  kTextAccessDenied = -5,
  kTextBadSeek = -9,
  kTextHardwareError = -10,
  kTextBusy = -11,
  kTextDiskFull = -13,
  kTextEndOfFile = -14,
  kTextNoStream = -20,
  kTextNotOpen = -21,
};

// What a file status means, in English words for the command-line tool and standard error
// ("no such file or folder"); a status outside the family reads as a general failure.
std::string_view FileStatusText(int32_t status);

// Maps an errno value to the file-error cause (1 to 14) that the status codes negate.
int32_t FileErrorCause(int error);

}  // namespace qv
