#include "TestSupport.h"
#include "post/CMTControl.h"
#include "post/PlainNameList.h"

namespace qv {
namespace {

using Names = std::vector<std::u16string>;

class CMTControlTest : public ::testing::Test {
 protected:
  CMTControlTest() {
    MaterialNameTable materials{u"AL", u"SPCC", u"SUS"};
    ThicknessNameTable thicknesses{};
    thicknesses[0] = {u"1.0", u"2.0"};
    thicknesses[1] = {u"1.6"};
    thicknesses[2] = {u"0.5", u"1.2", u"3.0"};
    control_.SetTables(materials, thicknesses);
    control_.FillMaterials(materials_);
    Choose(u"SPCC");
  }
  void Choose(std::u16string_view material) {
    materials_.SelectText(material);
    control_.OnMaterialSelection(materials_, thicknesses_);
  }
  Names Row(int32_t m) const {
    Names names;
    for (const auto& name : control_.Thicknesses()[m]) {
      if (!name.empty()) names.push_back(name);
    }
    return names;
  }
  Names ListedMaterials() const {
    Names names;
    for (const auto& name : control_.Materials()) {
      if (!name.empty()) names.push_back(name);
    }
    return names;
  }
  void Type(std::u16string_view material, std::u16string_view thickness) {
    materials_.Type(material);
    thicknesses_.Type(thickness);
  }
  // Runs a failing operation, checks that no table or list changed, returns both messages.
  template <typename Result>
  std::pair<std::u16string, std::u16string> Refused(
      Result (CMTControl::*operation)(NameListControl&, NameListControl&)) {
    const auto materials = control_.Materials();
    const auto thicknesses = control_.Thicknesses();
    const auto shownMaterials = materials_.Items();
    const auto shownThicknesses = thicknesses_.Items();
    EXPECT_EQ((control_.*operation)(materials_, thicknesses_), Result::Refused);
    EXPECT_EQ(control_.Materials(), materials);
    EXPECT_EQ(control_.Thicknesses(), thicknesses);
    EXPECT_EQ(materials_.Items(), shownMaterials);
    EXPECT_EQ(thicknesses_.Items(), shownThicknesses);
    return {control_.MaterialMessage(), control_.ThicknessMessage()};
  }

  CMTControl control_;
  PlainNameList materials_{true};
  PlainNameList thicknesses_{true};
};

TEST_F(CMTControlTest, SelectingAMaterialShowsItsThicknesses) {
  EXPECT_EQ(thicknesses_.Items(), (Names{u"1.6"}));
  Choose(u"SUS");
  EXPECT_EQ(thicknesses_.Items(), (Names{u"0.5", u"1.2", u"3.0"}));
  std::u16string oldName, newName;
  control_.GetThicknessSelection(oldName, newName);
  EXPECT_EQ(oldName, u"0.5");
}

TEST_F(CMTControlTest, AddingANewMaterialPlacesItSortedWithItsThickness) {
  Type(u"cu", u"0.8");
  ASSERT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
            MaterialThicknessAdd::MaterialAdded);
  EXPECT_EQ(ListedMaterials(), (Names{u"AL", u"CU", u"SPCC", u"SUS"}));
  EXPECT_EQ(Row(1), (Names{u"0.8"}));
  EXPECT_EQ(Row(2), (Names{u"1.6"}));  // rows moved with their materials
  EXPECT_EQ(Row(3), (Names{u"0.5", u"1.2", u"3.0"}));
  EXPECT_EQ(thicknesses_.Items(), (Names{u"0.8"}));
  EXPECT_EQ(materials_.TypedText(), u"CU");
}

TEST_F(CMTControlTest, AddingAThicknessToTheSelectedMaterial) {
  Type(u"SPCC", u"0.8");
  ASSERT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
            MaterialThicknessAdd::ThicknessAdded);
  EXPECT_EQ(Row(1), (Names{u"0.8", u"1.6"}));
  EXPECT_EQ(control_.MaterialStatus(), NameListStatus::AddNameListed);
  EXPECT_EQ(control_.ThicknessStatus(), NameListStatus::None);
}

TEST_F(CMTControlTest, AddingAThicknessToAnotherListedMaterialUsesThatMaterialsRow) {
  Type(u"AL", u"4.0");
  ASSERT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
            MaterialThicknessAdd::ThicknessAdded);
  EXPECT_EQ(Row(0), (Names{u"1.0", u"2.0", u"4.0"}));
  EXPECT_EQ(Row(1), (Names{u"1.6"}));
  EXPECT_EQ(thicknesses_.Items(), Row(0));
}

TEST_F(CMTControlTest, AddRefusals) {
  Type(u"", u"");
  EXPECT_EQ(Refused(&CMTControl::AddMaterialThickness),
            std::make_pair(std::u16string(u"追加する材質が入力されていません"),
                           std::u16string(u"追加する板厚が入力されていません")));
  Type(u"SPCC", u"");
  EXPECT_EQ(Refused(&CMTControl::AddMaterialThickness).second, u"追加する板厚が入力されていません");
  Type(u"SPCC", u"1.6");
  EXPECT_EQ(Refused(&CMTControl::AddMaterialThickness),
            std::make_pair(std::u16string(u"同一材質が既にあります"),
                           std::u16string(u"同一板厚が既にあります")));
}

TEST_F(CMTControlTest, CapacitiesAreThirtyMaterialsAndTwentyThicknesses) {
  for (int i = 0; i < 19; ++i) {
    Type(u"SPCC", Sprintf("%d.5", i + 2));
    ASSERT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
              MaterialThicknessAdd::ThicknessAdded)
        << i;
  }
  Type(u"SPCC", u"99");
  EXPECT_EQ(Refused(&CMTControl::AddMaterialThickness).second, u"これ以上板厚の登録はできません");

  for (int i = 3; i < 30; ++i) {
    Type(Sprintf("M%02d", i), u"1.0");
    ASSERT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
              MaterialThicknessAdd::MaterialAdded)
        << i;
  }
  Type(u"ZZ", u"1.0");
  EXPECT_EQ(Refused(&CMTControl::AddMaterialThickness).first, u"これ以上材質の登録はできません");
  Type(u"SUS", u"4.5");
  EXPECT_EQ(control_.AddMaterialThickness(materials_, thicknesses_),
            MaterialThicknessAdd::ThicknessAdded);
}

TEST_F(CMTControlTest, RenamingAMaterialKeepsItsThicknesses) {
  Choose(u"AL");
  Type(u"TI", u"1.0");
  ASSERT_EQ(control_.ChangeMaterialThickness(materials_, thicknesses_),
            MaterialThicknessChange::MaterialRenamed);
  EXPECT_EQ(ListedMaterials(), (Names{u"SPCC", u"SUS", u"TI"}));
  EXPECT_EQ(Row(2), (Names{u"1.0", u"2.0"}));
  EXPECT_EQ(Row(0), (Names{u"1.6"}));
  std::u16string oldName, newName;
  control_.GetMaterialSelection(oldName, newName);
  EXPECT_EQ(oldName, u"AL");
  EXPECT_EQ(newName, u"TI");
}

TEST_F(CMTControlTest, RenamingBothAndOnlyTheThickness) {
  Choose(u"SUS");
  Type(u"SUS", u"9.0");
  ASSERT_EQ(control_.ChangeMaterialThickness(materials_, thicknesses_),
            MaterialThicknessChange::ThicknessRenamed);
  EXPECT_EQ(Row(2), (Names{u"1.2", u"3.0", u"9.0"}));

  Choose(u"AL");
  Type(u"ALU", u"2.5");
  ASSERT_EQ(control_.ChangeMaterialThickness(materials_, thicknesses_),
            MaterialThicknessChange::BothRenamed);
  EXPECT_EQ(ListedMaterials(), (Names{u"ALU", u"SPCC", u"SUS"}));
  EXPECT_EQ(Row(0), (Names{u"2.0", u"2.5"}));
}

TEST_F(CMTControlTest, ChangeRefusals) {
  Type(u"SPCC", u"1.6");
  EXPECT_EQ(Refused(&CMTControl::ChangeMaterialThickness),
            std::make_pair(std::u16string(u"同一材質が既にあります"),
                           std::u16string(u"同一板厚が既にあります")));
  Type(u"", u"");
  EXPECT_EQ(Refused(&CMTControl::ChangeMaterialThickness),
            std::make_pair(std::u16string(u"変更する材質が入力されていません"),
                           std::u16string(u"変更する板厚が入力されていません")));
  Type(u"SUS", u"1.6");
  EXPECT_EQ(Refused(&CMTControl::ChangeMaterialThickness).first, u"同一材質が既にあります");
  control_.SetMaterialSelection(u"GONE", u"GONE");
  Type(u"NEW", u"1.6");
  EXPECT_EQ(Refused(&CMTControl::ChangeMaterialThickness).first, u"変更すべき材質が見つかりません");
  control_.SetMaterialSelection(u"SPCC", u"SPCC");
  control_.SetThicknessSelection(u"7.7", u"7.7");
  Type(u"SPCC", u"1.8");
  EXPECT_EQ(Refused(&CMTControl::ChangeMaterialThickness).second,
            u"変更すべき板厚が見つかりません");
}

TEST_F(CMTControlTest, DeletingTheLastThicknessRemovesTheMaterial) {
  Choose(u"AL");
  thicknesses_.SelectText(u"2.0");
  control_.OnThicknessSelection(thicknesses_);
  ASSERT_EQ(control_.DeleteMaterialThickness(materials_, thicknesses_),
            MaterialThicknessDelete::ThicknessDeleted);
  EXPECT_EQ(Row(0), (Names{u"1.0"}));
  control_.OnThicknessSelection(thicknesses_);
  ASSERT_EQ(control_.DeleteMaterialThickness(materials_, thicknesses_),
            MaterialThicknessDelete::MaterialDeleted);
  EXPECT_EQ(ListedMaterials(), (Names{u"SPCC", u"SUS"}));
  EXPECT_EQ(Row(0), (Names{u"1.6"}));
  EXPECT_EQ(Row(1), (Names{u"0.5", u"1.2", u"3.0"}));
  EXPECT_EQ(Row(2), Names{});
  EXPECT_EQ(materials_.TypedText(), u"SPCC");
  EXPECT_EQ(thicknesses_.Items(), (Names{u"1.6"}));
}

TEST_F(CMTControlTest, DeleteRefusals) {
  Type(u"", u"");
  EXPECT_EQ(Refused(&CMTControl::DeleteMaterialThickness),
            std::make_pair(std::u16string(u"削除する材質が入力されていません"),
                           std::u16string(u"削除する板厚が入力されていません")));
  control_.SetMaterialSelection(u"GONE", u"GONE");
  control_.SetThicknessSelection(u"7.7", u"7.7");
  Type(u"X", u"Y");
  EXPECT_EQ(Refused(&CMTControl::DeleteMaterialThickness),
            std::make_pair(std::u16string(u"削除すべき材質が見つかりません"),
                           std::u16string(u"削除すべき板厚が見つかりません")));
  control_.SetMaterialSelection(u"", u"");
  EXPECT_EQ(Refused(&CMTControl::DeleteMaterialThickness).first,
            u"削除する材質が入力されていません");

  CMTControl empty;
  PlainNameList noMaterials(true), noThicknesses(true);
  noMaterials.Type(u"A");
  noThicknesses.Type(u"1");
  EXPECT_EQ(empty.DeleteMaterialThickness(noMaterials, noThicknesses),
            MaterialThicknessDelete::Refused);
  EXPECT_EQ(empty.MaterialMessage(), u"材質が１つも有りません");
  EXPECT_EQ(empty.ThicknessMessage(), u"板厚が１つも有りません");
}

}  // namespace
}  // namespace qv
