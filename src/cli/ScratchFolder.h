#pragma once

#include <filesystem>
#include <string_view>

namespace qv {

// A private folder under the temporary folder (made with mkdtemp, so no other user can have
// prepared or linked it), removed with everything in it when the object goes. Path() is empty
// when it could not be made.
class ScratchFolder {
 public:
  // prefix names the folder: "<prefix>XXXXXX".
  explicit ScratchFolder(std::string_view prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace qv
