#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "nctext/StringUtil.h"
#include "platform/Codec.h"

// GoogleTest prints UTF-16 strings as escapes; print them as readable UTF-8 instead.
namespace testing::internal {
template <>
class UniversalPrinter<std::u16string> {
 public:
  static void Print(const std::u16string& text, std::ostream* os) {
    *os << "u\"" << qv::ToUtf8(text) << '"';
  }
};
}  // namespace testing::internal

namespace qv::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // A path inside the folder, as UTF-16 for the code under test.
  std::u16string File(std::string_view name) const;

 private:
  std::string path_;
};

// Whole-file helpers that bypass the code under test.
void WriteBytes(const std::u16string& path, std::string_view bytes);
std::string ReadBytes(const std::u16string& path);

}  // namespace qv::test
