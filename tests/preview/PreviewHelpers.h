#pragma once

#include <string>
#include <vector>

#include "nctext/Cnltextfilerw.h"
#include "platform/Codec.h"

namespace qv::test {

// The lines of an NC file (code page 932); empty when it cannot be read.
inline std::vector<std::u16string> ReadNcFile(const std::string& path) {
  Cnltextfilerw file;
  std::vector<std::u16string> lines;
  if (file.Open(FromUtf8(path), OpenMode::Read) != 0) return lines;
  std::u16string line;
  while (file.ReadString(line) == 0) lines.push_back(line);
  file.Close();
  return lines;
}

}  // namespace qv::test
