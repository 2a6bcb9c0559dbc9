#include "nctext/LineFiles.h"

#include <string>

#include "nctext/Cnltextfilerw.h"
#include "platform/FileReplace.h"

namespace qv {
namespace {

class DiskSource : public LineSource {
 public:
  int32_t ReadLine(std::u16string& line) override { return file.ReadString(line); }
  int32_t Close() override { return file.Close(); }

  Cnltextfilerw file;
};

class DiskSink : public LineSink {
 public:
  int32_t WriteLine(std::u16string_view line) override {
    // One value is one line: a line feed pasted into a field would shift every later line. (A
    // lone carriage return reads back as it was written.)
    std::u16string text(line);
    std::erase(text, u'\n');
    text.push_back(u'\n');
    return file.WriteString(std::move(text));
  }
  int32_t Close() override { return file.Close(); }

  Cnltextfilerw file;
};

}  // namespace

std::unique_ptr<LineSource> DiskLineFiles::OpenRead(const std::u16string& path) {
  auto source = std::make_unique<DiskSource>();
  if (source->file.Open(path, OpenMode::Read) != 0) return nullptr;
  return source;
}

std::unique_ptr<LineSink> DiskLineFiles::OpenWrite(const std::u16string& path) {
  auto sink = std::make_unique<DiskSink>();
  if (sink->file.Open(path, OpenMode::CreateWrite) != 0) return nullptr;
  return sink;
}

LineFiles& SharedDiskLineFiles() {
  static DiskLineFiles disk;
  return disk;
}

int32_t DiskLineFiles::Replace(const std::u16string& scratch, const std::u16string& target) {
  return ReplaceFileAtomically(scratch, target);
}

bool DiskLineFiles::Exists(const std::u16string& path) { return PathExists(path); }

}  // namespace qv
