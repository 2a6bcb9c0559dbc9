#pragma once

#include <cstdint>
#include <string>

#include "platform/FileStatus.h"

namespace qv {

// How a text file is opened: an existing file for reading, or a new or truncated one for
// writing. Files are never appended to or opened for raw access.
enum class OpenMode { Read, CreateWrite };

// The one line-oriented text file class. Lines are UTF-16 in memory and code page 932 on disk;
// CR LF and a lone LF both end a line on reading, every LF is written as CR LF, and a byte 0x1A
// ends the file. A file that starts with the UTF-8 byte-order mark is read as UTF-8 (without
// the mark); writing is always code page 932 without a mark. No operation throws or shows anything;
// each returns a status.
class Cnltextfilerw {
 public:
  Cnltextfilerw();
  virtual ~Cnltextfilerw();
  Cnltextfilerw(const Cnltextfilerw&) = delete;
  Cnltextfilerw& operator=(const Cnltextfilerw&) = delete;

  // Opens path (UTF-16, passed to the file system as UTF-8); a file still open is closed first.
  int32_t Open(std::u16string path, OpenMode mode);
  // The next line without its line end; -14 (line empty) once no character is left.
  int32_t ReadString(std::u16string& line);
  // Writes text as passed; the caller ends each line with "\n".
  int32_t WriteString(std::u16string text);
  // Flushes and closes; the object is closed afterwards even when this fails.
  int32_t Close();

  bool IsOpen() const { return isOpen_ != 0; }
  // The cause (1 to 14) of the most recent failure, 0 when none failed yet.
  int32_t LastCause() const { return lastCause_; }

 private:
  int32_t Fail(int error);
  int32_t FlushOutput();
  int32_t Refill();
  void ReturnLine(std::string_view bytes, std::u16string& line) const;

  int fd_ = -1;
  int32_t lastCause_ = 0;
  int32_t isOpen_ = 0;
  OpenMode mode_ = OpenMode::Read;
  bool atEnd_ = false;   // physical end or 0x1A seen
  bool atStart_ = true;  // the next refill reads the file's first bytes
  bool utf8_ = false;    // the file started with the UTF-8 mark
  std::string buffer_;   // bytes read and not yet returned, or bytes waiting to be written
  size_t position_ = 0;  // read position in buffer_
  std::string pending_;  // the start of a line that spans buffer refills
};

}  // namespace qv
