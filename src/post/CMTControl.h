#pragma once

#include <cstdint>
#include <string>

#include "post/NameListControl.h"
#include "post/NameListStatus.h"
#include "post/PostLimits.h"
#include "post/PostStore.h"

namespace qv {

// Keeps the material and thickness lists of the current post, their two controls and the two
// selection pairs in step, and decides whether an add, change or delete is allowed. Each
// thickness row belongs to its material by name: it follows the material when the material is
// renamed, moved or deleted. A failed operation changes no list or table.
class CMTControl {
 public:
  CMTControl();

  // Takes the tables of the post store (names beyond 40 characters are cut).
  void SetTables(const MaterialNameTable& materials, const ThicknessNameTable& thicknesses);
  // Clears the control, inserts the materials (or the thicknesses of the selected material) up
  // to the first empty one, in table order, and selects item 0.
  void FillMaterials(NameListControl& materials) const;
  void FillThicknesses(NameListControl& thicknesses) const;
  // Takes the selected material (both names) and refreshes the thickness control from its row;
  // the thickness selection becomes its first thickness.
  void OnMaterialSelection(const NameListControl& materials, NameListControl& thicknesses);
  void OnThicknessSelection(const NameListControl& thicknesses);

  // Adds the typed material and/or thickness (a new material's thickness list holds just the
  // typed thickness).
  MaterialThicknessAdd AddMaterialThickness(NameListControl& materials,
                                            NameListControl& thicknesses);
  // Renames the selected material and/or thickness to the typed texts.
  MaterialThicknessChange ChangeMaterialThickness(NameListControl& materials,
                                                  NameListControl& thicknesses);
  // Deletes the selected thickness, and its material with it when it was the last.
  MaterialThicknessDelete DeleteMaterialThickness(NameListControl& materials,
                                                  NameListControl& thicknesses);

  // Copies the tables out to the post store's tables (30 names; 30 rows of 20 names).
  void CopyMaterialsOut(MaterialNameTable& materials) const { materials = materials_; }
  void CopyThicknessesOut(ThicknessNameTable& thicknesses) const { thicknesses = thicknesses_; }

  void SetMaterialSelection(std::u16string oldName, std::u16string newName);
  void SetThicknessSelection(std::u16string oldName, std::u16string newName);
  void GetMaterialSelection(std::u16string& oldName, std::u16string& newName) const;
  void GetThicknessSelection(std::u16string& oldName, std::u16string& newName) const;

  // The messages of the current statuses, empty for 0 (and for 200).
  std::u16string MaterialMessage() const;
  std::u16string ThicknessMessage() const;

  NameListStatus MaterialStatus() const { return materialStatus_; }
  NameListStatus ThicknessStatus() const { return thicknessStatus_; }
  int32_t MaterialCount() const { return materialCount_; }
  int32_t ThicknessCount() const { return thicknessCount_; }
  int32_t SelectedMaterial() const { return selectedMaterial_; }
  int32_t SelectedThickness() const { return selectedThickness_; }
  const MaterialNameTable& Materials() const { return materials_; }
  const ThicknessNameTable& Thicknesses() const { return thicknesses_; }

 private:
  int32_t RowOf(std::u16string_view material) const;
  MaterialThicknessAdd AddThicknessToListed(NameListControl& materials,
                                            NameListControl& thicknesses,
                                            const std::u16string& material,
                                            const std::u16string& thickness);
  bool RenameMaterial(NameListControl& materials, const std::u16string& name);
  bool RenameThickness(NameListControl& thicknesses, const std::u16string& name,
                       std::u16string_view material);
  void ReadMaterialTable(const NameListControl& materials, std::u16string_view renamedFrom = {},
                         std::u16string_view renamedTo = {});
  void ReadThicknessRow(const NameListControl& thicknesses, int32_t row);
  void ShowRow(NameListControl& thicknesses, int32_t row) const;
  void Note(const NameListControl& materials, const NameListControl& thicknesses);

  MaterialNameTable materials_;
  ThicknessNameTable thicknesses_;
  std::u16string materialOld_, materialNew_, thicknessOld_, thicknessNew_;
  NameListStatus materialStatus_ = NameListStatus::None;
  NameListStatus thicknessStatus_ = NameListStatus::None;
  int32_t materialCount_ = 0;
  int32_t thicknessCount_ = 0;
  int32_t selectedMaterial_ = -1;
  int32_t selectedThickness_ = -1;
};

}  // namespace qv
