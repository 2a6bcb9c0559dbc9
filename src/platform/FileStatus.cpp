#include "platform/FileStatus.h"

#include <cerrno>

namespace qv {
namespace {

struct StatusText {
  int32_t status;
  std::string_view text;
};

constexpr StatusText kStatusTexts[] = {
    {kTextOk, "no error"},
    {kTextNotFound, "no such file or folder"},
    {kTextBadPath, "the path is not valid (a part of it is not a folder, or it is too long)"},
    {kTextTooManyOpenFiles, "too many open files"},
    {kTextAccessDenied, "access denied (no permission, a read-only place, or not a plain file)"},
    {kTextBadSeek, "the file cannot be read from the start (not a plain file)"},
    {kTextHardwareError, "input/output error of the device"},
    {kTextBusy, "the file is busy, try again"},
    {kTextDiskFull, "no room left (disk full or file too large)"},
    {kTextEndOfFile, "unexpected end of the file"},
    {kTextNoStream, "no file stream"},
    {kTextNotOpen, "the file is not open"},
};

}  // namespace

std::string_view FileStatusText(int32_t status) {
  for (const StatusText& entry : kStatusTexts) {
    if (entry.status == status) return entry.text;
  }
  return "the file operation failed";
}

int32_t FileErrorCause(int error) {
  switch (error) {
    case ENOENT:
      return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
      return 5;
    case ESPIPE:
      return 9;
    case EIO:
      return 10;
    case EAGAIN:
      return 11;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return 13;
    default:
      return 1;
  }
}

}  // namespace qv
