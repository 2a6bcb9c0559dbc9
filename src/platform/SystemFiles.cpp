#include "platform/SystemFiles.h"

namespace qv {

SystemFiles::SystemFiles(std::u16string programFolder) : folder_(std::move(programFolder)) {}

std::u16string SystemFiles::InProgramFolder(std::u16string_view name) const {
  std::u16string path = folder_;
  if (path.empty() || path.back() != u'/') path.push_back(u'/');
  return path.append(name);
}

std::u16string SystemFiles::System(std::u16string_view name) const {
  std::u16string relative = u"System/";
  relative.append(name);
  return InProgramFolder(relative);
}

}  // namespace qv
