#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "nctext/NamePair.h"
#include "post/MachiningCondition.h"
#include "post/PostLimits.h"
#include "post/PostRecord.h"

namespace qv {

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

  NamePair post;
  NamePair material;
  NamePair thickness;

  PostRecord record;
  MachiningCondition condition;

  // The post name of the last full or list load; SaveLoadedPost saves under this name.
  std::u16string lastLoadedPost;

  bool operator==(const PostStore&) const = default;
};

// Number of thickness names of the material in slot materialIndex (up to the first empty
// slot); 0 for an index outside the table.
int32_t ThicknessCountOf(const PostStore& store, int32_t materialIndex);

// Index of name in the post name list, or -1.
int32_t FindPost(const PostStore& store, std::u16string_view name);
// Index of name in the material table, or -1.
int32_t FindMaterial(const PostStore& store, std::u16string_view name);

// headLine1b as the main dialog derives it: programAddress and programNumber (when both are
// given), then "(" comment ")" when there is a comment.
std::u16string DerivedHeadLine1b(const PostRecord& record);
// coordinateLine as the main dialog derives it: empty when G92 is left alone, else "G92" with
// the given X and Y, then ";" and the second coordinate code with its X and Y when set.
std::u16string DerivedCoordinateLine(const PostRecord& record);

}  // namespace qv
