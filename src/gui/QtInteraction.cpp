#include "gui/QtInteraction.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace qv {
namespace {

QString Text(const std::u16string& text) { return QString::fromStdU16String(text); }

// An empty caption is the program's own.
QString Caption(const std::u16string& caption) {
  return Text(caption.empty() ? kMessageCaption : caption);
}

// The toolkit's form of a filter entry: "description (patterns separated by blanks)". "*.*"
// means every file, but here it would pass over names without a dot ("O1234"): it becomes "*".
QString NameFilter(const FileFilter& filter) {
  QStringList patterns = Text(filter.patterns).split(QLatin1Char(';'));
  for (QString& pattern : patterns) {
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
  }
  return Text(filter.description) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
         QLatin1Char(')');
}

}  // namespace

void QtInteraction::ShowMessage(const Message& message) {
  toolkit_.Start();
  const auto icon =
      message.kind == MessageKind::Information ? QMessageBox::Information : QMessageBox::Warning;
  QMessageBox box(icon, Caption(message.caption), Text(message.text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName(QStringLiteral("message"));
  box.exec();
}

Answer QtInteraction::Ask(const Question& question) {
  toolkit_.Start();
  const bool yesNo = question.kind == QuestionKind::YesNo;
  QMessageBox box(
      yesNo ? QMessageBox::Question : QMessageBox::Warning, Caption(question.caption),
      Text(question.text),
      yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok | QMessageBox::Cancel,
      QApplication::activeWindow());
  box.setObjectName(QStringLiteral("question"));
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:  // Cancel, or the box closed without a button
      return SafeAnswer(question.kind);
  }
}

std::optional<FileChoice> QtInteraction::ChooseFile(const FileDialog& request) {
  toolkit_.Start();
  QFileDialog dialog(QApplication::activeWindow(), QString(), Text(request.folder));
  dialog.setObjectName(QStringLiteral("fileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The program asks about an existing file itself (and not in the automatic mode).
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const bool open = request.kind == FileDialogKind::Open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << NameFilter(filter);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  }
  if (!request.fileName.empty()) dialog.selectFile(Text(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const auto chosen = static_cast<int32_t>(filters.indexOf(dialog.selectedNameFilter()));
  return FileChoice{dialog.selectedFiles().front().toStdU16String(), chosen < 0 ? 1 : chosen + 1};
}

void QtInteraction::SetWaitCursor(bool waiting) {
  if (!GuiToolkit::IsRunning()) return;
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace qv
