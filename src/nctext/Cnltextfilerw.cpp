#include "nctext/Cnltextfilerw.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv {
namespace {

// Each refill sizes (and clears) a whole chunk: larger ones made short files slow to read.
constexpr size_t kReadChunk = 1 << 16;
constexpr size_t kWriteChunk = 1 << 18;
constexpr char kEndOfFileByte = 0x1A;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

Cnltextfilerw::Cnltextfilerw() = default;

Cnltextfilerw::~Cnltextfilerw() {
  if (isOpen_) Close();
}

int32_t Cnltextfilerw::Fail(int error) {
  lastCause_ = FileErrorCause(error);
  return -lastCause_;
}

int32_t Cnltextfilerw::Open(std::u16string path, OpenMode mode) {
  if (isOpen_) Close();
  if (path.find(u'\0') != std::u16string::npos) return Fail(EINVAL);
  const std::string native = ToUtf8(path);
  // A reader opens without waiting: a pipe with no writer would hold the open for ever. A writer
  // writes scratch files only (saves then rename them into place) and never through a link
  // someone planted at the scratch name.
  const int flags = mode == OpenMode::Read ? (O_RDONLY | O_NONBLOCK)
                                           : (O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW);
  const int fd = ::open(native.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return Fail(errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return Fail(EISDIR);
  }
  if (mode == OpenMode::Read) {
    // Only plain files are read: a device or a pipe could be read without end.
    if (!S_ISREG(info.st_mode)) {
      ::close(fd);
      return Fail(ESPIPE);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  }
  fd_ = fd;
  mode_ = mode;
  isOpen_ = 1;
  atEnd_ = false;
  atStart_ = true;
  utf8_ = false;
  buffer_.clear();
  pending_.clear();
  position_ = 0;
  return kTextOk;
}

int32_t Cnltextfilerw::Refill() {
  buffer_.resize(kReadChunk);
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.data(), kReadChunk);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    buffer_.clear();
    return Fail(errno);
  }
  buffer_.resize(static_cast<size_t>(got));
  position_ = 0;
  if (got == 0) atEnd_ = true;
  // Editors often save a file as UTF-8 behind a byte-order mark; read it as what it is.
  if (atStart_ && std::string_view(buffer_).starts_with(kUtf8Mark)) {
    utf8_ = true;
    position_ = kUtf8Mark.size();
  }
  atStart_ = false;
  return kTextOk;
}

void Cnltextfilerw::ReturnLine(std::string_view bytes, std::u16string& line) const {
  line.clear();
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_;
    joined.append(bytes);
    bytes = joined;
  }
  if (utf8_) {
    line = FromUtf8(bytes);
  } else {
    AppendDecodedCp932(bytes, line);
  }
}

int32_t Cnltextfilerw::ReadString(std::u16string& line) {
  if (!isOpen_) return kTextNotOpen;
  while (true) {
    if (atEnd_) {
      if (pending_.empty()) {
        line.clear();
        return kTextEndOfFile;
      }
      ReturnLine({}, line);
      pending_.clear();
      return kTextOk;
    }
    const char* begin = buffer_.data() + position_;
    const size_t available = buffer_.size() - position_;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
    const size_t span = lf ? static_cast<size_t>(lf - begin) : available;
    const auto* eof = static_cast<const char*>(std::memchr(begin, kEndOfFileByte, span));
    if (eof) {
      pending_.append(begin, static_cast<size_t>(eof - begin));
      atEnd_ = true;
      continue;
    }
    if (lf) {
      std::string_view bytes(begin, span);
      position_ += span + 1;
      if (!bytes.empty() && bytes.back() == '\r') {
        bytes.remove_suffix(1);
      } else if (bytes.empty() && !pending_.empty() && pending_.back() == '\r') {
        pending_.pop_back();
      }
      ReturnLine(bytes, line);
      pending_.clear();
      return kTextOk;
    }
    pending_.append(begin, available);
    const int32_t status = Refill();
    if (status != kTextOk) return status;
  }
}

int32_t Cnltextfilerw::FlushOutput() {
  size_t written = 0;
  while (written < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      buffer_.erase(0, written);
      return Fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  buffer_.clear();
  return kTextOk;
}

int32_t Cnltextfilerw::WriteString(std::u16string text) {
  if (!isOpen_) return kTextNotOpen;
  if (mode_ != OpenMode::CreateWrite) return Fail(EBADF);
  std::u16string_view rest(text);
  for (size_t lf = rest.find(u'\n'); lf != std::u16string_view::npos; lf = rest.find(u'\n')) {
    AppendEncodedCp932(rest.substr(0, lf), buffer_);
    buffer_.append("\r\n");
    rest.remove_prefix(lf + 1);
  }
  AppendEncodedCp932(rest, buffer_);
  return buffer_.size() >= kWriteChunk ? FlushOutput() : kTextOk;
}

int32_t Cnltextfilerw::Close() {
  if (!isOpen_) return kTextNotOpen;
  int32_t status = kTextOk;
  if (mode_ == OpenMode::CreateWrite) status = FlushOutput();
  if (::close(fd_) != 0 && status == kTextOk) status = Fail(errno);
  fd_ = -1;
  isOpen_ = 0;
  buffer_.clear();
  pending_.clear();
  position_ = 0;
  return status;
}

}  // namespace qv
