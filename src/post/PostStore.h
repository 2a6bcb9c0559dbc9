#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "post/MachiningCondition.h"
#include "post/PostLimits.h"
#include "post/PostRecord.h"

namespace qv {

// A selected name as stored in the file (oldName) and as it is to be written (newName); both
// are equal unless an operation renames.
struct SelectionPair {
  std::u16string oldName;
  std::u16string newName;

  bool operator==(const SelectionPair&) const = default;
};

using PostNameTable = std::array<std::u16string, kMaxPosts>;
using MaterialNameTable = std::array<std::u16string, kMaxMaterials>;
using ThicknessNameRow = std::array<std::u16string, kMaxThicknesses>;
using ThicknessNameTable = std::array<ThicknessNameRow, kMaxMaterials>;

// The in-memory image of one post: the post name list, the material and thickness tables of the
// current post, the current selection, post record and machining condition. The application
// owns one and hands it by reference to the dialogs, the editors and the engine.
struct PostStore {
  int32_t postCount = 0;
  PostNameTable postNames;
  int32_t materialCount = 0;
  MaterialNameTable materialNames;
  // Names on the last thickness line a load read (see ThicknessCountOf for one material).
  int32_t thicknessCount = 0;
  // Each material's list ends at its first empty slot.
  ThicknessNameTable thicknessNames;

  SelectionPair post;
  SelectionPair material;
  SelectionPair thickness;

  PostRecord record;
  MachiningCondition condition;

  // The post name of the last full or list load; SaveLoadedPost saves under this name.
  std::u16string lastLoadedPost;

  bool operator==(const PostStore&) const = default;
};

// A name cut to the longest name the tables hold.
std::u16string CutName(std::u16string_view name);

// Number of thickness names of the material in slot materialIndex (up to the first empty
// slot); 0 for an index outside the table.
int32_t ThicknessCountOf(const PostStore& store, int32_t materialIndex);

// Index of name in the post name list, or -1.
int32_t FindPost(const PostStore& store, std::u16string_view name);
// Index of name in the material table, or -1.
int32_t FindMaterial(const PostStore& store, std::u16string_view name);

}  // namespace qv
