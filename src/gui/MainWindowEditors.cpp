// The editors and small dialogs the main window opens modally on the application's stores.
#include <QComboBox>
#include <algorithm>
#include <cstddef>

#include "gui/AboutDialog.h"
#include "gui/DialogParts.h"
#include "gui/MainWindow.h"
#include "gui/NcMCEditDialog.h"
#include "gui/ParameterDialog.h"
#include "gui/PostEditorDialog.h"
#include "gui/TableEditorDialog.h"
#include "gui/UnconvertibleDialog.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

// Rows first to first + count of a settings column.
void CopyRows(const std::vector<std::u16string>& column, size_t first,
              std::vector<std::u16string>& rows) {
  if (first + rows.size() > column.size()) return;
  std::copy_n(column.begin() + static_cast<ptrdiff_t>(first), rows.size(), rows.begin());
}

}  // namespace

bool MainWindow::RunPostEditor() {
  CQuorvalenApp& app = dialog_->App();
  PostEditorDialog editor(app.Posts(), app.Files(), app.Interaction(),
                          Us(form_.posts->currentText()), this);
  return editor.exec() == QDialog::Accepted;
}

bool MainWindow::RunConditionEditor() {
  CQuorvalenApp& app = dialog_->App();
  NcMCEditDialog editor(app.Posts(), app.Files(), app.Interaction(), this);
  return editor.exec() == QDialog::Accepted;
}

// The editor stores and saves the set itself; a and b then take what the settings hold, so
// that the dialog's copy back writes the same rows.
bool MainWindow::RunInputTable(int32_t set, std::vector<std::u16string>& a,
                               std::vector<std::u16string>& b) {
  CQuorvalenApp& app = dialog_->App();
  Settings& settings = app.CurrentSettings();
  WorkingInputTable working;
  TableEditorDialog editor(settings, set, working, app.Interaction(), this);
  if (editor.exec() != QDialog::Accepted) return false;
  const size_t first = static_cast<size_t>(set) * a.size();
  CopyRows(settings.inputConversionA, first, a);
  CopyRows(settings.inputConversionB, first, b);
  return true;
}

bool MainWindow::RunStringTable() {
  CQuorvalenApp& app = dialog_->App();
  TableEditorDialog editor(app.CurrentSettings(), app.Interaction(), this);
  return editor.exec() == QDialog::Accepted;
}

bool MainWindow::RunParameters() {
  ParameterDialog parameters(dialog_->App().CurrentSettings(), kSettingsVersion, this);
  return parameters.exec() == QDialog::Accepted;
}

void MainWindow::RunAbout() {
  AboutDialog about(kSettingsVersion, this);
  about.exec();
}

void MainWindow::RunUnconvertible(int32_t count, const std::vector<std::u16string>& entries,
                                  const std::vector<std::u16string>& noMoveFigures) {
  // The automatic mode never reaches a window, so the result writer is never called here.
  UnconvertibleDialog list(count, entries, false, {}, this);
  list.ShowNoMoveFigures(count > 0 || !entries.empty(), noMoveFigures);
  list.exec();
}

}  // namespace qv
