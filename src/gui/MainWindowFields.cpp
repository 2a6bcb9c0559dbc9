// The main window's option controls as the dialog's logic reads and fills them.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/ConversionOptions.h"
#include "gui/MainWindow.h"

namespace qv {
namespace {

std::u16string Text(const QLineEdit* edit) { return edit->text().toStdU16String(); }

void SetText(QLineEdit* edit, const std::u16string& text) {
  edit->setText(QString::fromStdU16String(text));
}

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

// Reads each control into its option.
struct ReadControl {
  void operator()(const QButtonGroup* group, int32_t& v) const { v = group->checkedId(); }
  void operator()(const QLineEdit* edit, std::u16string& v) const { v = Text(edit); }
  void operator()(const QLineEdit* edit, int32_t& v) const { v = TypedNumber(Text(edit)); }
  void operator()(const QCheckBox* box, int32_t& v) const { v = box->isChecked() ? 1 : 0; }
  void operator()(const QComboBox* list, int32_t& v) const { v = list->currentIndex(); }
  void operator()(const QComboBox* list, std::u16string& v) const {
    v = list->currentText().toStdU16String();
  }
};

// Shows each option in its control.
struct ShowControl {
  void operator()(QButtonGroup* group, int32_t v) const { Choose(group, v); }
  void operator()(QLineEdit* edit, const std::u16string& v) const { SetText(edit, v); }
  // A field that already reads as v keeps its text: the logic shows the fields again after
  // other controls, and a typo must stay visible rather than turn into "-1".
  void operator()(QLineEdit* edit, int32_t v) const {
    if (TypedNumber(Text(edit)) != v) edit->setText(QString::number(v));
  }
  void operator()(QCheckBox* box, int32_t v) const { box->setChecked(v != 0); }
  void operator()(QComboBox* list, int32_t v) const { list->setCurrentIndex(v); }
  void operator()(QComboBox* list, const std::u16string& v) const {
    list->setEditText(QString::fromStdU16String(v));
  }
};

// Every option beside the control that shows it, once for reading and showing alike.
template <class Options, class Bind>
void BindFields(const MainForm& f, Options& o, const Bind& bind) {
  bind(f.sequenceMode, o.sequenceMode);
  bind(f.sequenceCode, o.sequenceCode);
  bind(f.sequenceNumber, o.sequenceNumber);
  bind(f.macroMode, o.macroMode);
  bind(f.cutterSide, o.cutterSide);
  bind(f.decimalPlaces, o.decimalIndex);
  bind(f.coordinateMode, o.coordinateMode);
  bind(f.g92X, o.g92X);
  bind(f.g92Y, o.g92Y);
  bind(f.coordinateCode2, o.coordinateCode2);
  bind(f.coordinateX2, o.coordinateX2);
  bind(f.coordinateY2, o.coordinateY2);
  bind(f.keepHeadComment, o.keepHeadComment);
  bind(f.deleteAfterM30, o.deleteAfterM30);
  bind(f.addMotionCodes, o.addMotionCodes);
  bind(f.skipSameCondition, o.skipSameCondition);
  bind(f.programAddress, o.programAddress);
  bind(f.programNumber, o.programNumber);
  bind(f.comment, o.comment);
  bind(f.subprogramCallCode, o.subprogramCallCode);
  bind(f.subprogramNumberWord, o.subprogramNumberWord);
  bind(f.subprogramAddress, o.subprogramAddress);
  bind(f.subprogramEndCode, o.subprogramEndCode);
  bind(f.breakUp, o.breakUpSubprograms);
  bind(f.conversionType, o.conversionType);
  bind(f.g93Mode, o.g93Mode);
  bind(f.g93Code, o.g93Code);
  bind(f.posts, o.postName);
  bind(f.materials, o.materialName);
  bind(f.thicknesses, o.thicknessName);
}

}  // namespace

ConversionOptions MainWindow::Fields() const {
  ConversionOptions o;
  BindFields(form_, o, ReadControl{});
  return o;
}

void MainWindow::ShowFields(const ConversionOptions& o) { BindFields(form_, o, ShowControl{}); }

void MainWindow::ShowLists(const DropDown& posts, const DropDown& materials,
                           const DropDown& thicknesses) {
  Fill(form_.posts, posts);
  Fill(form_.materials, materials);
  Fill(form_.thicknesses, thicknesses);
}

}  // namespace qv
