#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Codec.h"

namespace qv::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path& Folder() {
  static fs::path folder;
  return folder;
}

fs::path MakeFolder() {
  const fs::path base =
      fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  Folder() = base / ("quorvalen-fuzz-" + std::to_string(getpid()));
  fs::create_directories(Folder() / "System");
  fs::copy(QV_SHIPPED_DATA_DIR, Folder() / "System", fs::copy_options::overwrite_existing);
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
  });
  return Folder();
}

}  // namespace

const SystemFiles& ScratchProgramFolder() {
  static const SystemFiles files(FromUtf8(MakeFolder().string()));
  return files;
}

SystemFiles ScratchProgramFolder(const std::string& name) {
  const fs::path folder = fs::path(ToUtf8(ScratchProgramFolder().Folder())) / name;
  fs::create_directories(folder / "System");
  fs::copy(QV_SHIPPED_DATA_DIR, folder / "System", fs::copy_options::overwrite_existing);
  return SystemFiles(FromUtf8(folder.string()));
}

void RestoreShipped(std::u16string_view name) {
  const fs::path from = fs::path(QV_SHIPPED_DATA_DIR) / ToUtf8(std::u16string(name));
  fs::copy_file(from, ToUtf8(ScratchProgramFolder().System(name)),
                fs::copy_options::overwrite_existing);
}

void WriteBytes(const std::u16string& path, std::string_view bytes) {
  std::ofstream out(ToUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

FuzzInput Split(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  return {data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

std::u16string PickName(const std::vector<std::u16string>& names, unsigned n) {
  return names.empty() ? std::u16string() : names[n % names.size()];
}

}  // namespace qv::fuzz
