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

MaterialThicknessAdd CMTControl::AddMaterialThickness(NameListControl& materials,
                                                      NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = NameListStatus::None;
  const std::u16string material = CutName(materials.TypedText());
  const std::u16string thickness = CutName(thicknesses.TypedText());
  if (material.empty() || thickness.empty()) {
    if (material.empty()) materialStatus_ = NameListStatus::NothingToAdd;
    if (thickness.empty()) thicknessStatus_ = NameListStatus::NothingToAdd;
    return MaterialThicknessAdd::Refused;
  }
  // A full material list still takes thicknesses for the materials it lists.
  if (materials.FindExact(material) < 0) {
    if (materials.Count() >= kMaxMaterials) {
      materialStatus_ = NameListStatus::Full;
      return MaterialThicknessAdd::Refused;
    }
    materials.Select(materials.Add(material));
    ReadMaterialTable(materials);
    const int32_t row = RowOf(material);
    thicknesses_[static_cast<size_t>(row)][0] = thickness;
    ShowRow(thicknesses, row);
    materialOld_ = materialNew_ = material;
    thicknessNew_ = thickness;
    Note(materials, thicknesses);
    return MaterialThicknessAdd::MaterialAdded;
  }
  materialStatus_ = NameListStatus::AddNameListed;
  return AddThicknessToListed(materials, thicknesses, material, thickness);
}

MaterialThicknessAdd CMTControl::AddThicknessToListed(NameListControl& materials,
                                                      NameListControl& thicknesses,
                                                      const std::u16string& material,
                                                      const std::u16string& thickness) {
  const int32_t row = RowOf(material);
  const auto& names = thicknesses_[static_cast<size_t>(row)];
  if (Filled(names) >= kMaxThicknesses) {
    thicknessStatus_ = NameListStatus::Full;
    return MaterialThicknessAdd::Refused;
  }
  for (const std::u16string& name : names) {
    if (!name.empty() && EqualsNoCase(name, thickness)) {
      thicknessStatus_ = NameListStatus::AddNameListed;
      return MaterialThicknessAdd::Refused;
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
  return MaterialThicknessAdd::ThicknessAdded;
}

bool CMTControl::RenameMaterial(NameListControl& materials, const std::u16string& name) {
  if (materials.FindExact(name) >= 0) {
    materialStatus_ = NameListStatus::ChangeNameListed;
    return false;
  }
  const int32_t index = materialOld_.empty() ? -1 : materials.FindExact(materialOld_);
  if (index < 0) {
    materialStatus_ = NameListStatus::ChangeTargetMissing;
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
    thicknessStatus_ = NameListStatus::ChangeNameListed;
    return false;
  }
  const int32_t index = thicknessOld_.empty() ? -1 : thicknesses.FindExact(thicknessOld_);
  if (index < 0 || row < 0) {
    thicknessStatus_ = NameListStatus::ChangeTargetMissing;
    return false;
  }
  thicknesses.Delete(index);
  thicknesses.Select(thicknesses.Add(name));
  ReadThicknessRow(thicknesses, row);
  thicknessNew_ = name;
  return true;
}

MaterialThicknessChange CMTControl::ChangeMaterialThickness(NameListControl& materials,
                                                            NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = NameListStatus::None;
  const std::u16string material = CutName(materials.TypedText());
  const std::u16string thickness = CutName(thicknesses.TypedText());
  if (material.empty() || thickness.empty()) {
    if (material.empty()) materialStatus_ = NameListStatus::NothingToChange;
    if (thickness.empty()) thicknessStatus_ = NameListStatus::NothingToChange;
    return MaterialThicknessChange::Refused;
  }
  const bool materialChanged = material != materialOld_;
  const bool thicknessChanged = thickness != thicknessOld_;
  if (!materialChanged && !thicknessChanged) {
    materialStatus_ = thicknessStatus_ = NameListStatus::ChangeNameListed;
    return MaterialThicknessChange::Refused;
  }
  const bool materialDone = materialChanged && RenameMaterial(materials, material);
  const bool thicknessDone =
      thicknessChanged &&
      RenameThickness(thicknesses, thickness, materialDone ? material : materialOld_);
  Note(materials, thicknesses);
  if (materialDone && thicknessDone) return MaterialThicknessChange::BothRenamed;
  if (materialDone) return MaterialThicknessChange::MaterialRenamed;
  return thicknessDone ? MaterialThicknessChange::ThicknessRenamed
                       : MaterialThicknessChange::Refused;
}

MaterialThicknessDelete CMTControl::DeleteMaterialThickness(NameListControl& materials,
                                                            NameListControl& thicknesses) {
  materialStatus_ = thicknessStatus_ = NameListStatus::None;
  const bool noMaterial = materials.TypedText().empty();
  const bool noThickness = thicknesses.TypedText().empty();
  if (noMaterial) materialStatus_ = NameListStatus::NothingToDelete;
  if (noThickness) thicknessStatus_ = NameListStatus::NothingToDelete;
  if (noMaterial || noThickness) return MaterialThicknessDelete::Refused;
  if (materials.Count() == 0) materialStatus_ = NameListStatus::Empty;
  if (thicknesses.Count() == 0) thicknessStatus_ = NameListStatus::Empty;
  if (materialStatus_ != NameListStatus::None || thicknessStatus_ != NameListStatus::None)
    return MaterialThicknessDelete::Refused;
  if (materialOld_.empty()) materialStatus_ = NameListStatus::NothingToDelete;
  if (thicknessOld_.empty()) thicknessStatus_ = NameListStatus::NothingToDelete;
  if (materialStatus_ != NameListStatus::None || thicknessStatus_ != NameListStatus::None)
    return MaterialThicknessDelete::Refused;
  const int32_t materialIndex = materials.FindExact(materialOld_);
  const int32_t thicknessIndex = thicknesses.FindExact(thicknessOld_);
  const int32_t row = RowOf(materialOld_);
  if (materialIndex < 0 || row < 0) materialStatus_ = NameListStatus::DeleteTargetMissing;
  if (thicknessIndex < 0) thicknessStatus_ = NameListStatus::DeleteTargetMissing;
  if (materialStatus_ != NameListStatus::None || thicknessStatus_ != NameListStatus::None)
    return MaterialThicknessDelete::Refused;

  thicknesses.Delete(thicknessIndex);
  ReadThicknessRow(thicknesses, row);
  if (thicknesses.Count() > 0) {
    thicknesses.Select(0);
    Note(materials, thicknesses);
    return MaterialThicknessDelete::ThicknessDeleted;
  }
  materials.Delete(materialIndex);
  ReadMaterialTable(materials);
  materials.Select(0);
  ShowRow(thicknesses, materials.Count() > 0 ? 0 : -1);
  Note(materials, thicknesses);
  return MaterialThicknessDelete::MaterialDeleted;
}

void CMTControl::SetMaterialSelection(std::u16string oldName, std::u16string newName) {
  materialOld_ = CutName(oldName);
  materialNew_ = CutName(newName);
}

void CMTControl::SetThicknessSelection(std::u16string oldName, std::u16string newName) {
  thicknessOld_ = CutName(oldName);
  thicknessNew_ = CutName(newName);
}

void CMTControl::GetMaterialSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = materialOld_;
  newName = materialNew_;
}

void CMTControl::GetThicknessSelection(std::u16string& oldName, std::u16string& newName) const {
  oldName = thicknessOld_;
  newName = thicknessNew_;
}

std::u16string CMTControl::MaterialMessage() const {
  return NameListMessage(NameList::Material, materialStatus_);
}

std::u16string CMTControl::ThicknessMessage() const {
  return NameListMessage(NameList::Thickness, thicknessStatus_);
}

}  // namespace qv
