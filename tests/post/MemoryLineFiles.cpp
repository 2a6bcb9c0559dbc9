#include "post/MemoryLineFiles.h"

namespace qv::test {
namespace {

class MemorySource : public LineSource {
 public:
  explicit MemorySource(std::shared_ptr<const MemoryLineFiles::FileLines> lines)
      : lines_(std::move(lines)) {}
  int32_t ReadLine(std::u16string& line) override {
    if (next_ >= lines_->size()) {
      line.clear();
      return kTextEndOfFile;
    }
    line = (*lines_)[next_++];
    return kTextOk;
  }
  int32_t Close() override { return kTextOk; }

 private:
  std::shared_ptr<const MemoryLineFiles::FileLines> lines_;
  size_t next_ = 0;
};

class MemorySink : public LineSink {
 public:
  MemorySink(MemoryLineFiles& files, std::u16string path) : files_(files), path_(std::move(path)) {}
  // As on the disk, a line feed in a line does not start another.
  int32_t WriteLine(std::u16string_view line) override {
    std::erase(lines_.emplace_back(line), u'\n');
    return kTextOk;
  }
  int32_t Close() override {
    files_.Put(path_, std::move(lines_));
    return kTextOk;
  }

 private:
  MemoryLineFiles& files_;
  std::u16string path_;
  MemoryLineFiles::FileLines lines_;
};

}  // namespace

std::unique_ptr<LineSource> MemoryLineFiles::OpenRead(const std::u16string& path) {
  const auto file = files_.find(path);
  if (file == files_.end()) return nullptr;
  return std::make_unique<MemorySource>(file->second);
}

std::unique_ptr<LineSink> MemoryLineFiles::OpenWrite(const std::u16string& path) {
  Put(path, {});
  return std::make_unique<MemorySink>(*this, path);
}

int32_t MemoryLineFiles::Replace(const std::u16string& scratch, const std::u16string& target) {
  const auto file = files_.find(scratch);
  if (file == files_.end()) return kTextNotFound;
  files_[target] = file->second;
  files_.erase(scratch);
  return kTextOk;
}

void MemoryLineFiles::Put(const std::u16string& path, FileLines lines) {
  files_[path] = std::make_shared<const FileLines>(std::move(lines));
}

const MemoryLineFiles::FileLines& MemoryLineFiles::Get(const std::u16string& path) const {
  static const FileLines kNone;
  const auto file = files_.find(path);
  return file == files_.end() ? kNone : *file->second;
}

}  // namespace qv::test
