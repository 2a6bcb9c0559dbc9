#include "platform/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Codec.h"
#include "platform/FileStatus.h"

namespace qv {
namespace {

int32_t SyncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return -FileErrorCause(errno);
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  // Some file systems refuse fsync on a folder; the rename itself is still atomic there.
  if (result != 0 && error != EINVAL && error != EROFS) return -FileErrorCause(error);
  return 0;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

int32_t ReplaceFileAtomically(const std::u16string& scratch, const std::u16string& target) {
  const std::string from = ToUtf8(scratch);
  const std::string to = ToUtf8(target);
  if (const int32_t status = SyncPath(from, O_RDONLY); status != 0) return status;
  if (::rename(from.c_str(), to.c_str()) != 0) return -FileErrorCause(errno);
  return SyncPath(FolderOf(to), O_RDONLY | O_DIRECTORY);
}

bool PathExists(const std::u16string& path) {
  struct stat info {};
  return ::stat(ToUtf8(path).c_str(), &info) == 0;
}

int32_t RemoveFile(const std::u16string& path) {
  if (::unlink(ToUtf8(path).c_str()) != 0) return -FileErrorCause(errno);
  return 0;
}

}  // namespace qv
