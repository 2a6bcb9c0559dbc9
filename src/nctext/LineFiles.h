#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileStatus.h"

namespace qv {

// A text file open for reading, line by line.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // 0 with the next line (without its line end), kTextEndOfFile once no line is left, or
  // another negative text-file status.
  virtual int32_t ReadLine(std::u16string& line) = 0;
  // 0, or a negative text-file status.
  virtual int32_t Close() = 0;
};

// A text file being written, line by line.
class LineSink {
 public:
  virtual ~LineSink() = default;
  // Writes line (any line feed in it removed) and a line end; 0 or a negative text-file status.
  virtual int32_t WriteLine(std::u16string_view line) = 0;
  // Finishes the file; 0 or a negative text-file status.
  virtual int32_t Close() = 0;
};

// Where whole text files are read, written and swapped in: the disk in the program, memory in
// the tests of file formats where the disk is not the point.
class LineFiles {
 public:
  virtual ~LineFiles() = default;
  // The file opened for reading; null when it cannot be opened.
  virtual std::unique_ptr<LineSource> OpenRead(const std::u16string& path) = 0;
  // A new or emptied file opened for writing; null when it cannot be created.
  virtual std::unique_ptr<LineSink> OpenWrite(const std::u16string& path) = 0;
  // Replaces target by the finished scratch file in one step; 0 or a negative status.
  virtual int32_t Replace(const std::u16string& scratch, const std::u16string& target) = 0;
  // Whether anything (a file, a folder) is at path, readable or not.
  virtual bool Exists(const std::u16string& path) = 0;
};

// The disk: code page 932 text files through Cnltextfilerw, swapped in by an atomic rename.
class DiskLineFiles : public LineFiles {
 public:
  std::unique_ptr<LineSource> OpenRead(const std::u16string& path) override;
  std::unique_ptr<LineSink> OpenWrite(const std::u16string& path) override;
  int32_t Replace(const std::u16string& scratch, const std::u16string& target) override;
  bool Exists(const std::u16string& path) override;
};

// One DiskLineFiles for every reader and writer of the disk (it holds no state); unlike a
// member it exists before the object that refers to it is built.
LineFiles& SharedDiskLineFiles();

}  // namespace qv
