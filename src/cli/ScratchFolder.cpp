#include "cli/ScratchFolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace qv {

ScratchFolder::ScratchFolder(std::string_view prefix) {
  std::error_code failed;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(failed);
  if (failed) return;
  std::string pattern = (temp / (std::string(prefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace qv
