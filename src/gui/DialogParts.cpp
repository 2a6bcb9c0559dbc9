#include "gui/DialogParts.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qv {

void FollowTyping(QLineEdit* edit, std::function<QString(const QString&)> rule) {
  // Only typed text changes (textEdited): text the program puts in is kept as it is.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, rule](const QString& text) {
    const QString kept = rule(text);
    if (kept == text) return;
    const int cursor = edit->cursorPosition();
    edit->setText(kept);
    edit->setCursorPosition(cursor);
  });
}

void UpperCaseTyping(QLineEdit* edit) {
  FollowTyping(edit, [](const QString& text) { return text.toUpper(); });
}

QLineEdit* NamedEdit(QWidget* parent, const QString& name, bool upperCase) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  if (upperCase) UpperCaseTyping(edit);
  return edit;
}

QPushButton* OkButton(QDialog* dialog) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  return ok;
}

QHBoxLayout* OkCancelRow(QDialog* dialog, const QString& cancelCaption) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(OkButton(dialog));
  auto* cancel = new QPushButton(cancelCaption, dialog);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  row->addWidget(cancel);
  return row;
}

QLabel* VersionRow(QWidget* owner, QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(owner);
  icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
  row->addWidget(icon);
  auto* line = new QLabel(owner);
  line->setObjectName(QStringLiteral("versionLine"));
  row->addWidget(line, 1);
  layout->addLayout(row);
  return line;
}

}  // namespace qv
