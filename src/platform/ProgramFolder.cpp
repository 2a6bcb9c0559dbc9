#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/Codec.h"

namespace qv {
namespace {

std::string ExecutableFolder() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (n <= 0) return ".";
  path.resize(static_cast<size_t>(n));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

std::u16string ProgramFolder() {
  const char* home = std::getenv("QUORVALEN_HOME");
  if (home != nullptr && *home != '\0') return FromUtf8(home);
  return FromUtf8(ExecutableFolder());
}

}  // namespace qv
