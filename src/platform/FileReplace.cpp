#include "platform/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

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

// Follows the symbolic links of path, as many as the system itself would.
std::string FollowLinks(std::string path) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(path, error); ++hops) {
    const fs::path link = fs::read_symlink(path, error);
    if (error) break;
    path = link.is_absolute() ? link.string() : (fs::path(path).parent_path() / link).string();
  }
  return path;
}

// The mode of an existing plain target (0 when it is missing), or a negative status.
int32_t TargetMode(const std::string& target, mode_t& mode) {
  struct stat info {};
  mode = 0;
  if (::stat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : -FileErrorCause(errno);
  if (!S_ISREG(info.st_mode)) return -FileErrorCause(EACCES);
  // A file marked read-only, or one this process may not write, stays as it is: writing it in
  // place would have been refused as well, and the rename must not get round that.
  if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
    return -FileErrorCause(EACCES);
  }
  mode = info.st_mode & 07777;
  return 0;
}

}  // namespace

std::u16string ScratchPathFor(const std::u16string& path) {
  std::u16string scratch = FromUtf8(FollowLinks(ToUtf8(path)));
  scratch += u'.';
  scratch += FromUtf8(std::to_string(::getpid()));
  return scratch += u".tmp";
}

int32_t CheckReplaceable(const std::u16string& path) {
  mode_t mode;
  return TargetMode(FollowLinks(ToUtf8(path)), mode);
}

int32_t ReplaceFileAtomically(const std::u16string& scratch, const std::u16string& target) {
  const std::string from = ToUtf8(scratch);
  const std::string to = FollowLinks(ToUtf8(target));
  mode_t mode;
  if (const int32_t status = TargetMode(to, mode); status != 0) return status;
  // A new file keeps the mode it was created with; a replaced one keeps its own.
  if (mode != 0 && ::chmod(from.c_str(), mode) != 0) return -FileErrorCause(errno);
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
