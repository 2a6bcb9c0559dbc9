#include "post/PostStore.h"

namespace qv {

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

std::u16string DerivedHeadLine1b(const PostRecord& record) {
  std::u16string line;
  if (!record.programAddress.empty() && !record.programNumber.empty()) {
    line = record.programAddress + record.programNumber;
  }
  if (!record.comment.empty()) {
    line.push_back(u'(');
    line.append(record.comment);
    line.push_back(u')');
  }
  return line;
}

namespace {

void AppendAxis(std::u16string& line, char16_t axis, const std::u16string& value) {
  if (value.empty()) return;
  line.push_back(axis);
  line.append(value);
}

}  // namespace

std::u16string DerivedCoordinateLine(const PostRecord& record) {
  if (record.coordinateMode == 1) return {};
  std::u16string line = u"G92";
  AppendAxis(line, u'X', record.g92X);
  AppendAxis(line, u'Y', record.g92Y);
  if (!record.coordinateCode2.empty()) {
    line.push_back(u';');
    line.append(record.coordinateCode2);
    AppendAxis(line, u'X', record.coordinateX2);
    AppendAxis(line, u'Y', record.coordinateY2);
  }
  return line;
}

}  // namespace qv
