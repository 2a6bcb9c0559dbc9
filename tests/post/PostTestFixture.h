#pragma once

// A temporary System folder with a post file, and short ways to load and save through
// CNcPostFile, shared by the post file tests.

#include <algorithm>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "platform/Codec.h"
#include "platform/SystemFiles.h"
#include "post/CNcPostFile.h"
#include "post/MemoryLineFiles.h"
#include "post/PostFileSamples.h"
#include "post/PostStore.h"

namespace qv::test {

// Compares whole files line by line and names the first line that differs.
inline ::testing::AssertionResult SameLines(const Lines& actual, const Lines& expected) {
  const size_t common = std::min(actual.size(), expected.size());
  for (size_t i = 0; i < common; ++i) {
    if (actual[i] != expected[i]) {
      return ::testing::AssertionFailure()
             << "line " << i + 1 << ": \"" << actual[i] << "\", expected \"" << expected[i] << '"';
    }
  }
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure() << actual.size() << " lines, expected " << expected.size();
  }
  return ::testing::AssertionSuccess();
}

// A program folder of its own with an empty System folder.
class SystemFolderFixture : public ::testing::Test {
 protected:
  SystemFolderFixture() { std::filesystem::create_directory(dir_.Path() + "/System"); }
  std::u16string SystemFile(std::u16string_view name) const { return files_.System(name); }

  TempDir dir_;
  SystemFiles files_{FromUtf8(dir_.Path())};
};

// The post files in memory, or on the disk for the tests where the bytes on the disk are the
// point (whole-file saves, interrupted saves, the shipped file).
class PostFileFixture : public SystemFolderFixture {
 protected:
  std::u16string PostPath() const { return SystemFile(u"Quorvalen.pst"); }

  void UseDisk() { lines_ = &disk_; }
  // The shipped post file, on the disk.
  void UseShippedFile() {
    UseDisk();
    std::filesystem::copy_file(QV_SHIPPED_DATA_DIR "/Quorvalen.pst", ToUtf8(PostPath()));
  }

  void WriteFile(const Lines& lines) { WriteFile(PostPath(), lines); }
  Lines FileLines() const { return FileLines(PostPath()); }
  void WriteFile(const std::u16string& path, const Lines& lines) {
    if (lines_ == &disk_) return WriteLines(path, lines);
    memory_.Put(path, Utf16(lines));
  }
  Lines FileLines(const std::u16string& path) const {
    if (lines_ == &disk_) return ReadLines(path);
    Lines lines;
    for (const std::u16string& line : memory_.Get(path)) lines.push_back(ToUtf8(line));
    return lines;
  }
  static MemoryLineFiles::FileLines Utf16(const Lines& lines) {
    MemoryLineFiles::FileLines text;
    text.reserve(lines.size());
    for (const std::string& line : lines) text.push_back(FromUtf8(line));
    return text;
  }
  // A CNcPostFile on the fixture's files.
  CNcPostFile PostFile() { return CNcPostFile(store_, files_, *lines_); }

  PostFileStatus Load(std::u16string_view post, std::u16string_view material = u"",
                      std::u16string_view thickness = u"",
                      PostLoadMode mode = PostLoadMode::StartUp) {
    CNcPostFile file = PostFile();
    file.SetPostNames(post, post);
    file.SetMaterialNames(material, material);
    file.SetThicknessNames(thickness, thickness);
    return file.Load(mode);
  }

  // Saves with the store's selection pairs as the names.
  PostFileStatus Save(PostSaveMode mode) {
    CNcPostFile file = PostFile();
    file.SetPostNames(store_.post.oldName, store_.post.newName);
    file.SetMaterialNames(store_.material.oldName, store_.material.newName);
    file.SetThicknessNames(store_.thickness.oldName, store_.thickness.newName);
    return file.Save(mode);
  }

  void Select(std::u16string post, std::u16string material, std::u16string thickness) {
    store_.post = {post, post};
    store_.material = {material, material};
    store_.thickness = {thickness, thickness};
  }

  PostStore store_;
  DiskLineFiles disk_;
  MemoryLineFiles memory_;
  LineFiles* lines_ = &memory_;
};

}  // namespace qv::test
