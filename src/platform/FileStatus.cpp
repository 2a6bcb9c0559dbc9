#include "platform/FileStatus.h"

#include <cerrno>

namespace qv {

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
