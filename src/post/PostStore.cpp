#include "post/PostStore.h"

namespace qv {

std::u16string CutName(std::u16string_view name) {
  return std::u16string(name.substr(0, static_cast<size_t>(kMaxNameLength)));
}

int32_t ThicknessCountOf(const PostStore& store, int32_t materialIndex) {
  if (materialIndex < 0 || materialIndex >= kMaxMaterials) return 0;
  const ThicknessNameRow& row = store.thicknessNames[static_cast<size_t>(materialIndex)];
  int32_t count = 0;
  while (count < kMaxThicknesses && !row[static_cast<size_t>(count)].empty()) ++count;
  return count;
}

int32_t FindPost(const PostStore& store, std::u16string_view name) {
  for (int32_t i = 0; i < store.postCount && i < kMaxPosts; ++i) {
    if (store.postNames[static_cast<size_t>(i)] == name) return i;
  }
  return -1;
}

int32_t FindMaterial(const PostStore& store, std::u16string_view name) {
  for (int32_t i = 0; i < store.materialCount && i < kMaxMaterials; ++i) {
    if (store.materialNames[static_cast<size_t>(i)] == name) return i;
  }
  return -1;
}

}  // namespace qv
