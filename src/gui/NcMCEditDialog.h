#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "ui/CNcMCEditDlg.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

namespace qv {

// The machining-condition editor's window ("加工条件編集") over CNcMCEditDlg. The main window
// opens it modally with exec() on the application's post store, files and interaction; it
// loads the store's selected condition itself, and OK saves it.
class NcMCEditDialog : public QDialog, private McEditView {
 public:
  NcMCEditDialog(PostStore& store, const SystemFiles& files, UserInteraction& interaction,
                 QWidget* parent = nullptr);

  // "OK": closes only when the condition was saved.
  void accept() override;
  // "ｷｬﾝｾﾙ", Escape and closing the window: drop every change.
  void reject() override;

 private:
  void ShowFields(const McEditFields& fields) override;
  std::optional<MachiningCondition> Fields() const override;
  void SetWorkChuteEditable(bool editable) override;

  QGroupBox* SelectionGroup();
  QGroupBox* VariablesGroup();
  QGroupBox* ModalGroup();
  QGroupBox* PunchGroup();
  QGroupBox* MarkingGroup();
  QGroupBox* CutGroup();
  QGroupBox* ChuteGroup();
  // A column of three thresholds under its caption.
  struct Thresholds {
    QString caption;
    QString prefix;
    std::array<QLineEdit*, 3>* limits;
  };
  // The four code rows ("Ｌ" to "Ｕ") with each column's threshold rows between them.
  void AddLadder(QGridLayout* grid, const QString& codePrefix, std::array<QLineEdit*, 4>& codes,
                 const std::vector<Thresholds>& columns);

  CNcMCEditDlg logic_;
  QLineEdit* material_ = nullptr;
  QLineEdit* thickness_ = nullptr;
  std::array<QLineEdit*, 4> variables_{};
  QCheckBox* modal_ = nullptr;
  std::array<QLineEdit*, 2> punch_{};
  std::array<QLineEdit*, 3> marking_{};
  QLineEdit* cutSource_ = nullptr;
  QButtonGroup* basis_ = nullptr;
  std::array<QLineEdit*, 3> longSide_{};
  std::array<QLineEdit*, 4> shapeCodes_{};
  std::array<QLineEdit*, 3> lineLength_{};
  std::array<QLineEdit*, 3> arcRadius_{};
  std::array<QLineEdit*, 4> elementCodes_{};
  QButtonGroup* chute_ = nullptr;
  QLineEdit* chuteCode_ = nullptr;
  QLineEdit* chuteMinLength_ = nullptr;
};

}  // namespace qv
