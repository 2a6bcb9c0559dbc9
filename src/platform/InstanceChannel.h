#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The private folder that holds the single-instance lock and the instance socket:
// $QUORVALEN_RUNTIME_DIR when set (created with mode 0700 when missing), else $XDG_RUNTIME_DIR
// when usable, else /tmp/quorvalen-<uid> (created with mode 0700). A folder that is not this
// user's own, or that others can write to, is refused: the refusal goes to standard error and
// the /tmp folder is used instead. Empty (also said on standard error) when none is usable.
std::string RuntimeFolder();

// The lock file and the socket that stand for a named mutex: the name with every character
// other than ASCII letters and digits replaced by "_", in folder. A socket path too long for a
// Unix socket becomes a short one derived from it in /tmp/quorvalen-<uid> (created as above).
std::string InstanceLockPath(std::string_view folder, std::u16string_view mutexName);
std::string InstanceSocketPath(std::string_view folder, std::u16string_view mutexName);

// The running instance's end of the instance messages: a Unix domain socket, owner-only, on
// which a second process asks it to close the window with a given title ("close <title>").
class InstanceListener {
 public:
  InstanceListener() = default;
  ~InstanceListener();
  InstanceListener(const InstanceListener&) = delete;
  InstanceListener& operator=(const InstanceListener&) = delete;

  // Binds socketPath, replacing a socket left by an ended instance; only the holder of the
  // single-instance lock may call this. 0, or -1 when the socket cannot be set up.
  int32_t Listen(const std::string& socketPath);
  // The listening descriptor, for an event loop to watch; -1 when not listening.
  int Fd() const { return fd_; }
  // Waits up to timeoutMs for a message to arrive; true when one is waiting.
  bool WaitForMessage(int timeoutMs) const;
  // Takes every waiting message and returns the titles of its close requests, in order.
  std::vector<std::u16string> ReceiveCloseRequests();

 private:
  int fd_ = -1;
  std::string path_;
};

// Sends "close <title>" to the instance listening on socketPath. 0, or -1 when nothing listens.
int32_t SendCloseRequest(const std::string& socketPath, std::u16string_view title);

}  // namespace qv
