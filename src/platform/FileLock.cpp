#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace qv {

FileLock::~FileLock() { Release(); }

LockResult FileLock::TryAcquire(const std::string& path) { return Take(path, false); }

LockResult FileLock::Acquire(const std::string& path) { return Take(path, true); }

LockResult FileLock::Take(const std::string& path, bool wait) {
  Release();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return LockResult::Failed;
  int result;
  do {
    result = ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB));
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? LockResult::HeldElsewhere : LockResult::Failed;
  }
  fd_ = fd;
  return LockResult::Acquired;
}

void FileLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing the only descriptor drops the flock
  fd_ = -1;
}

}  // namespace qv
