#include "post/CMTControl.h"

#include <algorithm>

#include "nctext/StringUtil.h"

namespace qv {
namespace {

template <typename Names>
int32_t Filled(const Names& names) {
  const auto end = std::find(names.begin(), names.end(), std::u16string());
  return static_cast<int32_t>(end - names.begin());
}

std::u16string MessageFor(int32_t status, std::u16string_view what) {
  switch (status) {
    case 1:
      return FormatText(u"%sが選択されていません", {what});
    case 2:
      return FormatText(u"%sボックスに入力フォーカスが有りません", {what});
    case 11:
      return FormatText(u"これ以上%sの登録はできません", {what});
    case 12:
      return FormatText(u"%sが１つも有りません", {what});
    case 13:
      return u"不正な制御モードです";
    case 101:
    case 201:
      return FormatText(u"同一%sが既にあります", {what});
    case 102:
      return FormatText(u"追加する%sが入力されていません", {what});
    case 202:
      return FormatText(u"変更する%sが入力されていません", {what});
    case 203:
      return FormatText(u"変更すべき%sが見つかりません", {what});
    case 301:
      return FormatText(u"削除すべき%sが見つかりません", {what});
    case 302:
      return FormatText(u"削除する%sが入力されていません", {what});
    default:
      return {};
  }
}

}  // namespace

CMTControl::CMTControl() = default;

void CMTControl::SetTables(const MaterialNameTable& materials,
                           const ThicknessNameTable& thicknesses) {
  for (size_t m = 0; m < materials_.size(); ++m) {
    materials_[m] = CutName(materials[m]);
    for (size_t t = 0; t < thicknesses_[m].size(); ++t)
      thicknesses_[m][t] = CutName(thicknesses[m][t]);
  }
}

int32_t CMTControl::RowOf(std::u16string_view material) const {
  if (material.empty()) return -1;
  for (size_t m = 0; m < materials_.size(); ++m) {
    if (EqualsNoCase(materials_[m], material)) return static_cast<int32_t>(m);
  }
  return -1;
}

void CMTControl::FillMaterials(NameListControl& materials) const {
  materials.Clear();
  for (int32_t m = 0; m < Filled(materials_); ++m) materials.Insert(m, materials_[m]);
  materials.Select(0);
}

void CMTControl::ShowRow(NameListControl& thicknesses, int32_t row) const {
  thicknesses.Clear();
  if (row >= 0) {
    const auto& names = thicknesses_[static_cast<size_t>(row)];
    for (int32_t t = 0; t < Filled(names); ++t) thicknesses.Insert(t, names[t]);
  }
  thicknesses.Select(0);
}

void CMTControl::FillThicknesses(NameListControl& thicknesses) const {
  ShowRow(thicknesses, RowOf(materialOld_));
}

void CMTControl::OnMaterialSelection(const NameListControl& materials,
                                     NameListControl& thicknesses) {
  materialOld_ = materials.ItemText(materials.SelectedIndex());
  materialNew_ = materialOld_;
  ShowRow(thicknesses, RowOf(materialOld_));
  OnThicknessSelection(thicknesses);
  Note(materials, thicknesses);
}

void CMTControl::OnThicknessSelection(const NameListControl& thicknesses) {
  thicknessOld_ = thicknesses.ItemText(thicknesses.SelectedIndex());
  thicknessNew_ = thicknessOld_;
  selectedThickness_ = thicknesses.SelectedIndex();
  thicknessCount_ = thicknesses.Count();
}

void CMTControl::Note(const NameListControl& materials, const NameListControl& thicknesses) {
  materialCount_ = materials.Count();
  thicknessCount_ = thicknesses.Count();
  selectedMaterial_ = materials.SelectedIndex();
  selectedThickness_ = thicknesses.SelectedIndex();
}

// Row a of the new table is the old row of the material named like item a; a renamed material
// brings the row of its old name.
void CMTControl::ReadMaterialTable(const NameListControl& materials,
                                   std::u16string_view renamedFrom, std::u16string_view renamedTo) {
  MaterialNameTable names;
  ThicknessNameTable rows;
  const int32_t count = std::min(materials.Count(), kMaxMaterials);
  for (int32_t a = 0; a < count; ++a) {
    names[a] = CutName(materials.ItemText(a));
    const bool renamed = !renamedTo.empty() && EqualsNoCase(names[a], renamedTo);
    const int32_t old = RowOf(renamed ? renamedFrom : std::u16string_view(names[a]));
    if (old >= 0) rows[a] = thicknesses_[static_cast<size_t>(old)];
  }
  materials_ = std::move(names);
  thicknesses_ = std::move(rows);
}

void CMTControl::ReadThicknessRow(const NameListControl& thicknesses, int32_t row) {
  if (row < 0) return;
  auto& names = thicknesses_[static_cast<size_t>(row)];
  for (int32_t t = 0; t < kMaxThicknesses; ++t) {
    names[t] = t < thicknesses.Count() ? CutName(thicknesses.ItemText(t)) : u"";
  }
}

int32_t CMTControl::AddMaterialThickness(NameListControl& materials, NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = 0;
  const std::u16string material = CutName(materials.TypedText());
  const std::u16string thickness = CutName(thicknesses.TypedText());
  if (material.empty() || thickness.empty()) {
    if (material.empty()) materialStatus_ = 102;
    if (thickness.empty()) thicknessStatus_ = 102;
    return -1;
  }
  // A full material list still takes thicknesses for the materials it lists.
  if (materials.FindExact(material) < 0) {
    if (materials.Count() >= kMaxMaterials) {
      materialStatus_ = 11;
      return -1;
    }
    materials.Select(materials.Add(material));
    ReadMaterialTable(materials);
    const int32_t row = RowOf(material);
    thicknesses_[static_cast<size_t>(row)][0] = thickness;
    ShowRow(thicknesses, row);
    materialOld_ = materialNew_ = material;
    thicknessNew_ = thickness;
    Note(materials, thicknesses);
    return 0;
  }
  materialStatus_ = 101;
  return AddThicknessToListed(materials, thicknesses, material, thickness);
}

int32_t CMTControl::AddThicknessToListed(NameListControl& materials, NameListControl& thicknesses,
                                         const std::u16string& material,
                                         const std::u16string& thickness) {
  const int32_t row = RowOf(material);
  const auto& names = thicknesses_[static_cast<size_t>(row)];
  if (Filled(names) >= kMaxThicknesses) {
    thicknessStatus_ = 11;
    return -1;
  }
  for (const std::u16string& name : names) {
    if (!name.empty() && EqualsNoCase(name, thickness)) {
      thicknessStatus_ = 101;
      return -1;
    }
  }
  // A listed material other than the selected one: its own row takes the thickness.
  if (row != RowOf(materialOld_)) {
    materials.SelectText(material);
    materialOld_ = materials.ItemText(materials.SelectedIndex());
    ShowRow(thicknesses, row);
  }
  thicknesses.Select(thicknesses.Add(thickness));
  ReadThicknessRow(thicknesses, row);
  materialNew_ = materialOld_;
  thicknessNew_ = thickness;
  Note(materials, thicknesses);
  return 1;
}

bool CMTControl::RenameMaterial(NameListControl& materials, const std::u16string& name) {
  if (materials.FindExact(name) >= 0) {
    materialStatus_ = 201;
    return false;
  }
  const int32_t index = materialOld_.empty() ? -1 : materials.FindExact(materialOld_);
  if (index < 0) {
    materialStatus_ = 203;
    return false;
  }
  materials.Delete(index);
  materials.Select(materials.Add(name));
  ReadMaterialTable(materials, materialOld_, name);
  materialNew_ = name;
  return true;
}

bool CMTControl::RenameThickness(NameListControl& thicknesses, const std::u16string& name,
                                 std::u16string_view material) {
  const int32_t row = RowOf(material);
  if (thicknesses.FindExact(name) >= 0) {
    thicknessStatus_ = 201;
    return false;
  }
  const int32_t index = thicknessOld_.empty() ? -1 : thicknesses.FindExact(thicknessOld_);
  if (index < 0 || row < 0) {
    thicknessStatus_ = 203;
    return false;
  }
  thicknesses.Delete(index);
  thicknesses.Select(thicknesses.Add(name));
  ReadThicknessRow(thicknesses, row);
  thicknessNew_ = name;
  return true;
}

int32_t CMTControl::ChangeMaterialThickness(NameListControl& materials,
                                            NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = 0;
  const std::u16string material = CutName(materials.TypedText());
  const std::u16string thickness = CutName(thicknesses.TypedText());
  if (material.empty() || thickness.empty()) {
    if (material.empty()) materialStatus_ = 202;
    if (thickness.empty()) thicknessStatus_ = 202;
    return -1;
  }
  const bool materialChanged = material != materialOld_;
  const bool thicknessChanged = thickness != thicknessOld_;
  if (!materialChanged && !thicknessChanged) {
    materialStatus_ = thicknessStatus_ = 201;
    return -1;
  }
  const bool materialDone = materialChanged && RenameMaterial(materials, material);
  const bool thicknessDone =
      thicknessChanged &&
      RenameThickness(thicknesses, thickness, materialDone ? material : materialOld_);
  Note(materials, thicknesses);
  if (materialDone && thicknessDone) return 2;
  if (materialDone) return 0;
  return thicknessDone ? 1 : -1;
}

int32_t CMTControl::DeleteMaterialThickness(NameListControl& materials,
                                            NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = 0;
  const bool noMaterial = materials.TypedText().empty();
  const bool noThickness = thicknesses.TypedText().empty();
  if (noMaterial) materialStatus_ = 302;
  if (noThickness) thicknessStatus_ = 302;
  if (noMaterial || noThickness) return -1;
  if (materials.Count() == 0) materialStatus_ = 12;
  if (thicknesses.Count() == 0) thicknessStatus_ = 12;
  if (materialStatus_ != 0 || thicknessStatus_ != 0) return -1;
  if (materialOld_.empty()) materialStatus_ = 302;
  if (thicknessOld_.empty()) thicknessStatus_ = 302;
  if (materialStatus_ != 0 || thicknessStatus_ != 0) return -1;
  const int32_t materialIndex = materials.FindExact(materialOld_);
  const int32_t thicknessIndex = thicknesses.FindExact(thicknessOld_);
  const int32_t row = RowOf(materialOld_);
  if (materialIndex < 0 || row < 0) materialStatus_ = 301;
  if (thicknessIndex < 0) thicknessStatus_ = 301;
  if (materialStatus_ != 0 || thicknessStatus_ != 0) return -1;

  thicknesses.Delete(thicknessIndex);
  ReadThicknessRow(thicknesses, row);
  if (thicknesses.Count() > 0) {
    thicknesses.Select(0);
    Note(materials, thicknesses);
    return 0;
  }
  materials.Delete(materialIndex);
  ReadMaterialTable(materials);
  materials.Select(0);
  ShowRow(thicknesses, materials.Count() > 0 ? 0 : -1);
  Note(materials, thicknesses);
  return 1;
}

void CMTControl::SetMaterialSelection(std::u16string oldName, std::u16string newName) {
  materialOld_ = CutName(std::move(oldName));
  materialNew_ = CutName(std::move(newName));
}

void CMTControl::SetThicknessSelection(std::u16string oldName, std::u16string newName) {
  thicknessOld_ = CutName(std::move(oldName));
  thicknessNew_ = CutName(std::move(newName));
}

void CMTControl::GetMaterialSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = materialOld_;
  newName = materialNew_;
}

void CMTControl::GetThicknessSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = thicknessOld_;
  newName = thicknessNew_;
}

std::u16string CMTControl::MaterialMessage() const { return MessageFor(materialStatus_, u"材質"); }

std::u16string CMTControl::ThicknessMessage() const {
  return MessageFor(thicknessStatus_, u"板厚");
}

}  // namespace qv
