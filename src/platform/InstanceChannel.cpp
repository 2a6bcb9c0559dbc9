#include "platform/InstanceChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Codec.h"

namespace qv {
namespace {

constexpr char kClosePrefix[] = "close ";
constexpr size_t kMaxMessage = 64 * 1024;
constexpr int kReadTimeoutMs = 500;

// Why folder cannot hold the lock and the socket; empty when only this user can use it.
std::string WhyNotPrivate(const std::string& folder) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
    return "is not a folder of this user";
  }
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "is writable by others";
  return {};
}

// Creates folder owner-only when it is missing, then checks it as WhyNotPrivate does.
std::string MakePrivateFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) == 0) {
    ::chmod(folder.c_str(), 0700);  // whatever the umask
  } else if (errno != EEXIST) {
    return std::string("cannot be created (") + std::strerror(errno) + ")";
  }
  return WhyNotPrivate(folder);
}

// This user's own folder when no other will do.
std::string FallbackFolder() { return "/tmp/quorvalen-" + std::to_string(::getuid()); }

// Start-up problems the user must hear of even without the debug output.
void Warn(const std::string& text) { std::fprintf(stderr, "quorvalen: %s\n", text.c_str()); }

// A short name that stands for a long one (64-bit FNV-1a, in hex).
std::string Fnv1aHex(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

std::string SafeName(std::u16string_view name) {
  std::string safe;
  for (char16_t c : name) {
    const bool plain =
        (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    safe.push_back(plain ? static_cast<char>(c) : '_');
  }
  return safe;
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  return true;
}

// Reads one whole message from a connection whose sender closes after writing.
std::string ReadMessage(int fd) {
  std::string message;
  char chunk[4096];
  while (message.size() < kMaxMessage) {
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, kReadTimeoutMs) <= 0) break;
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got <= 0) break;
    message.append(chunk, static_cast<size_t>(got));
  }
  return message;
}

}  // namespace

std::string RuntimeFolder() {
  const std::string fallback = FallbackFolder();
  const char* chosen = std::getenv("QUORVALEN_RUNTIME_DIR");
  if (chosen != nullptr && *chosen != '\0') {
    const std::string why = MakePrivateFolder(chosen);
    if (why.empty()) return chosen;
    Warn("the runtime folder " + std::string(chosen) + " " + why + "; using " + fallback);
  } else if (const char* session = std::getenv("XDG_RUNTIME_DIR");
             session != nullptr && *session != '\0' && WhyNotPrivate(session).empty()) {
    return session;
  }
  const std::string why = MakePrivateFolder(fallback);
  if (why.empty()) return fallback;
  Warn("the runtime folder " + fallback + " " + why + "; a second start will not be noticed");
  return {};
}

std::string InstanceLockPath(std::string_view folder, std::u16string_view mutexName) {
  return std::string(folder) + "/" + SafeName(mutexName) + ".lock";
}

std::string InstanceSocketPath(std::string_view folder, std::u16string_view mutexName) {
  const std::string path = std::string(folder) + "/" + SafeName(mutexName) + ".sock";
  if (path.size() < sizeof(sockaddr_un::sun_path)) return path;
  // Both processes derive the same short name from the same long one.
  const std::string fallback = FallbackFolder();
  if (!MakePrivateFolder(fallback).empty()) return path;
  return fallback + "/" + Fnv1aHex(path) + ".sock";
}

InstanceListener::~InstanceListener() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(path_.c_str());
}

int32_t InstanceListener::Listen(const std::string& socketPath) {
  sockaddr_un address;
  if (fd_ >= 0 || !MakeAddress(socketPath, address)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  ::unlink(socketPath.c_str());
  const mode_t previous = ::umask(0177);  // the socket is born owner-only
  const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::umask(previous);
  if (bound != 0 || ::listen(fd, 8) != 0) {
    ::close(fd);
    return -1;
  }
  fd_ = fd;
  path_ = socketPath;
  return 0;
}

bool InstanceListener::WaitForMessage(int timeoutMs) const {
  if (fd_ < 0) return false;
  pollfd waiting{fd_, POLLIN, 0};
  return ::poll(&waiting, 1, timeoutMs) > 0;
}

std::vector<std::u16string> InstanceListener::ReceiveCloseRequests() {
  std::vector<std::u16string> titles;
  if (fd_ < 0) return titles;
  while (true) {
    const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) break;
    std::string message = ReadMessage(connection);
    ::close(connection);
    if (!message.empty() && message.back() == '\n') message.pop_back();
    if (message.rfind(kClosePrefix, 0) == 0) titles.push_back(FromUtf8(message.substr(6)));
  }
  return titles;
}

int32_t SendCloseRequest(const std::string& socketPath, std::u16string_view title) {
  sockaddr_un address;
  if (!MakeAddress(socketPath, address)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  int32_t status = -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    const std::string message = kClosePrefix + ToUtf8(title) + "\n";
    size_t sent = 0;
    while (sent < message.size()) {
      const ssize_t n = ::send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    if (sent == message.size()) status = 0;
  }
  ::close(fd);
  return status;
}

}  // namespace qv
