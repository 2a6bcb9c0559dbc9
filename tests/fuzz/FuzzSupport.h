#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SystemFiles.h"

namespace qv::fuzz {

// A program folder of this fuzzing process, with a "System" folder holding the shipped data;
// made on first use under /dev/shm (or the temp folder) and removed at exit.
const SystemFiles& ScratchProgramFolder();
// Another program folder of this process, "<scratch>/<name>", with its own copy of the data.
SystemFiles ScratchProgramFolder(const std::string& name);

// Puts the shipped file name back into the scratch System folder.
void RestoreShipped(std::u16string_view name);

// Writes bytes as the whole file at path.
void WriteBytes(const std::u16string& path, std::string_view bytes);

// The fuzzer's input split into a leading byte that picks options and the file's bytes.
struct FuzzInput {
  uint8_t pick = 0;
  std::string_view bytes;
};
FuzzInput Split(const uint8_t* data, size_t size);

// Picks one of names by n, or an empty name when there are none.
std::u16string PickName(const std::vector<std::u16string>& names, unsigned n);

}  // namespace qv::fuzz
