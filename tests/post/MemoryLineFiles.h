#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "nctext/LineFiles.h"

namespace qv::test {

// Text files held as lines in memory, for file-format tests where the disk is not the point. A
// file written is visible once its sink is closed; a reader keeps the lines it was opened on.
class MemoryLineFiles : public LineFiles {
 public:
  using FileLines = std::vector<std::u16string>;

  std::unique_ptr<LineSource> OpenRead(const std::u16string& path) override;
  std::unique_ptr<LineSink> OpenWrite(const std::u16string& path) override;
  int32_t Replace(const std::u16string& scratch, const std::u16string& target) override;
  bool Exists(const std::u16string& path) override { return Has(path); }

  void Put(const std::u16string& path, FileLines lines);
  bool Has(const std::u16string& path) const { return files_.count(path) != 0; }
  // The lines of a file; empty when there is none.
  const FileLines& Get(const std::u16string& path) const;

 private:
  std::map<std::u16string, std::shared_ptr<const FileLines>> files_;
};

}  // namespace qv::test
