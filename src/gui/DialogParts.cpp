#include "gui/DialogParts.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <memory>

namespace qv {

namespace {

// The text with the rule applied to the span that was typed or pasted, which ends at the cursor;
// the rest is left as it stands. The unchanged end is measured from the cursor, so a letter
// typed before the same letter ("c" before "cut") is told from the one that was there.
QString FollowInSpan(const QString& before, const QString& text, qsizetype cursor,
                     const std::function<QString(const QString&)>& rule) {
  const qsizetype shorter = std::min(before.size(), text.size());
  qsizetype tail = 0;
  while (tail < text.size() - cursor && tail < shorter &&
         text[text.size() - 1 - tail] == before[before.size() - 1 - tail]) {
    ++tail;
  }
  qsizetype head = 0;
  while (head < shorter - tail && text[head] == before[head]) ++head;
  const qsizetype typed = text.size() - head - tail;
  return text.left(head) + rule(text.mid(head, typed)) + text.right(tail);
}

}  // namespace

void FollowTyping(QLineEdit* edit, std::function<QString(const QString&)> rule) {
  // Only what the operator types follows the rule: text the program put in, and text typed
  // earlier, stay as they are.
  auto shown = std::make_shared<QString>(edit->text());
  // Read from the edit, not the signal: a change made while handling an edit is announced again
  // afterwards with the text from before it.
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, shown] { *shown = edit->text(); });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, rule, shown](const QString& text) {
    const int cursor = edit->cursorPosition();
    const QString kept = FollowInSpan(*shown, text, cursor, rule);
    if (kept == text) return;
    edit->setText(kept);
    // A rule may drop characters, all of them typed just before the cursor.
    edit->setCursorPosition(cursor - static_cast<int>(text.size() - kept.size()));
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
