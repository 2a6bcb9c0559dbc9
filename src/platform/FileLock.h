#pragma once

#include <string>

namespace qv {

// Outcome of taking a file lock.
enum class LockResult { Acquired, HeldElsewhere, Failed };

// An exclusive advisory lock (flock) on a lock file, held until Release, destruction or the
// end of the process. The descriptor is not inherited by child processes.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock without waiting; HeldElsewhere when another open file holds it.
  LockResult TryAcquire(const std::string& path);
  // Takes the lock, waiting for its holder to let go.
  LockResult Acquire(const std::string& path);
  void Release();
  bool IsHeld() const { return fd_ >= 0; }

 private:
  LockResult Take(const std::string& path, bool wait);

  int fd_ = -1;
};

}  // namespace qv
