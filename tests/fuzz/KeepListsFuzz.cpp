// libFuzzer target for the keep lists file "System/ReadOnly.dat".
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "settings/KeepLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string path = qv::fuzz::ScratchProgramFolder().System(u"ReadOnly.dat");
  qv::fuzz::WriteBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));
  qv::KeepLists lists;
  qv::LoadKeepLists(path, lists);
  return 0;
}
