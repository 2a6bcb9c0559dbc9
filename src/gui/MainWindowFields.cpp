// The main window's option controls as the dialog's logic reads and fills them.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/MainWindow.h"

namespace qv {
namespace {

std::u16string Text(const QLineEdit* edit) { return edit->text().toStdU16String(); }

void SetText(QLineEdit* edit, const std::u16string& text) {
  edit->setText(QString::fromStdU16String(text));
}

int32_t Checked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// -1 (no button) clears the choice; the group must stop being exclusive for that.
void Choose(QButtonGroup* group, int32_t id) {
  if (QAbstractButton* button = group->button(id)) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

void Fill(QComboBox* list, const DropDown& shown) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const std::u16string& item : shown.items) list->addItem(QString::fromStdU16String(item));
  const int index = list->findText(QString::fromStdU16String(shown.text), Qt::MatchFixedString);
  list->setCurrentIndex(index);
  list->setEditText(QString::fromStdU16String(shown.text));
}

}  // namespace

ConversionOptions MainWindow::Fields() const {
  const MainForm& f = form_;
  ConversionOptions o;
  o.sequenceMode = f.sequenceMode->checkedId();
  o.sequenceCode = Text(f.sequenceCode);
  o.sequenceNumber = f.sequenceNumber->text().toInt();
  o.macroMode = f.macroMode->checkedId();
  o.cutterSide = f.cutterSide->checkedId();
  o.decimalIndex = f.decimalPlaces->currentIndex();
  o.coordinateMode = f.coordinateMode->checkedId();
  o.g92X = Text(f.g92X);
  o.g92Y = Text(f.g92Y);
  o.coordinateCode2 = Text(f.coordinateCode2);
  o.coordinateX2 = Text(f.coordinateX2);
  o.coordinateY2 = Text(f.coordinateY2);
  o.keepHeadComment = Checked(f.keepHeadComment);
  o.deleteAfterM30 = Checked(f.deleteAfterM30);
  o.addMotionCodes = Checked(f.addMotionCodes);
  o.skipSameCondition = Checked(f.skipSameCondition);
  o.programAddress = Text(f.programAddress);
  o.programNumber = Text(f.programNumber);
  o.comment = Text(f.comment);
  o.subprogramCallCode = Text(f.subprogramCallCode);
  o.subprogramNumberWord = Text(f.subprogramNumberWord);
  o.subprogramAddress = Text(f.subprogramAddress);
  o.subprogramEndCode = Text(f.subprogramEndCode);
  o.breakUpSubprograms = Checked(f.breakUp);
  o.conversionType = f.conversionType->checkedId();
  o.g93Mode = f.g93Mode->checkedId();
  o.g93Code = Text(f.g93Code);
  o.postName = f.posts->currentText().toStdU16String();
  o.materialName = f.materials->currentText().toStdU16String();
  o.thicknessName = f.thicknesses->currentText().toStdU16String();
  return o;
}

void MainWindow::ShowFields(const ConversionOptions& o) {
  const MainForm& f = form_;
  Choose(f.sequenceMode, o.sequenceMode);
  SetText(f.sequenceCode, o.sequenceCode);
  f.sequenceNumber->setText(QString::number(o.sequenceNumber));
  Choose(f.macroMode, o.macroMode);
  Choose(f.cutterSide, o.cutterSide);
  f.decimalPlaces->setCurrentIndex(o.decimalIndex);
  Choose(f.coordinateMode, o.coordinateMode);
  SetText(f.g92X, o.g92X);
  SetText(f.g92Y, o.g92Y);
  SetText(f.coordinateCode2, o.coordinateCode2);
  SetText(f.coordinateX2, o.coordinateX2);
  SetText(f.coordinateY2, o.coordinateY2);
  f.keepHeadComment->setChecked(o.keepHeadComment != 0);
  f.deleteAfterM30->setChecked(o.deleteAfterM30 != 0);
  f.addMotionCodes->setChecked(o.addMotionCodes != 0);
  f.skipSameCondition->setChecked(o.skipSameCondition != 0);
  SetText(f.programAddress, o.programAddress);
  SetText(f.programNumber, o.programNumber);
  SetText(f.comment, o.comment);
  SetText(f.subprogramCallCode, o.subprogramCallCode);
  SetText(f.subprogramNumberWord, o.subprogramNumberWord);
  SetText(f.subprogramAddress, o.subprogramAddress);
  SetText(f.subprogramEndCode, o.subprogramEndCode);
  f.breakUp->setChecked(o.breakUpSubprograms != 0);
  Choose(f.conversionType, o.conversionType);
  Choose(f.g93Mode, o.g93Mode);
  SetText(f.g93Code, o.g93Code);
  f.posts->setEditText(QString::fromStdU16String(o.postName));
  f.materials->setEditText(QString::fromStdU16String(o.materialName));
  f.thicknesses->setEditText(QString::fromStdU16String(o.thicknessName));
}

void MainWindow::ShowLists(const DropDown& posts, const DropDown& materials,
                           const DropDown& thicknesses) {
  Fill(form_.posts, posts);
  Fill(form_.materials, materials);
  Fill(form_.thicknesses, thicknesses);
}

}  // namespace qv
