#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "ui/TableEditorDlg.h"

class QLineEdit;

namespace qv {

// The window of the two table editors over their logic: "入力変換設定" (CMaeHenkan) and
// "文字列変換設定" (CMojiretuHenkan). The main window runs them with exec() from its
// "入力変換" and "変換表" buttons.
class TableEditorDialog : public QDialog, private TableEditorView {
 public:
  // The input conversion editor on set `set` (0-based post position) through working.
  TableEditorDialog(Settings& settings, int set, WorkingInputTable& working,
                    UserInteraction& interaction, QWidget* parent = nullptr);
  // The string conversion editor.
  TableEditorDialog(Settings& settings, UserInteraction& interaction, QWidget* parent = nullptr);

  // "OK": closes only when the table was saved.
  void accept() override;

 private:
  explicit TableEditorDialog(QWidget* parent);
  void Start(std::unique_ptr<TableEditorDlg> logic);
  void ShowRows(const ConversionTable& table, size_t fieldLimit) override;
  ConversionTable Rows() const override;

  std::unique_ptr<TableEditorDlg> logic_;
  std::array<QLineEdit*, kConversionRows> from_{};
  std::array<QLineEdit*, kConversionRows> to_{};
  TableKind kind_ = TableKind::Input;
};

}  // namespace qv
