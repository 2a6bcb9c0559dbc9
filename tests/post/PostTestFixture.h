#pragma once

// A temporary System folder with a post file, and short ways to load and save through
// CNcPostFile, shared by the post file tests.

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "platform/Codec.h"
#include "post/CNcPostFile.h"
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

class PostFileFixture : public ::testing::Test {
 protected:
  std::u16string Folder() const { return FromUtf8(dir_.Path() + "/"); }
  std::u16string PostPath() const { return dir_.File("Quorvalen.pst"); }

  void WriteFile(const Lines& lines) { WriteLines(PostPath(), lines); }
  Lines FileLines() const { return ReadLines(PostPath()); }

  int Load(std::u16string_view post, std::u16string_view material = u"",
           std::u16string_view thickness = u"", int mode = 0) {
    CNcPostFile file(store_, Folder());
    file.SetPostNames(post, post);
    file.SetMaterialNames(material, material);
    file.SetThicknessNames(thickness, thickness);
    return file.Load(mode);
  }

  // Saves with the store's selection pairs as the names.
  int Save(int mode) {
    CNcPostFile file(store_, Folder());
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

  TempDir dir_;
  PostStore store_;
};

}  // namespace qv::test
