#pragma once

// Drives the widgets a test cannot reach by a direct call: modal boxes and dialogs that open
// inside a click, and the main window that opens inside the start-up.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

#include "Screenshot.h"

// Runs act on the first widget that find gives, as soon as it shows.
inline void OnceShown(std::function<QWidget*()> find, std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, find, act] {
    QWidget* widget = find();
    if (widget == nullptr || !widget->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(widget);
  });
  timer->start(10);
}

// Runs act on the next modal box or dialog.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  OnceShown([] { return QApplication::activeModalWidget(); }, std::move(act));
}

inline QWidget* ShownMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QStringLiteral("mainWindow") && widget->isVisible()) return widget;
  }
  return nullptr;
}

// Notes the texts of the next `count` message boxes, saving each as a screenshot named
// `name` (the second and later with their number), and presses `button` on each.
inline void AnswerNext(QMessageBox::StandardButton button, std::vector<QString>& texts,
                       const QString& name = {}, int count = 1, int number = 1) {
  OnNextModal([button, &texts, name, count, number](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr) {
      widget->close();
      return;
    }
    texts.push_back(box->text());
    if (!name.isEmpty()) SaveScreenshot(*box, number > 1 ? name + QString::number(number) : name);
    if (count > 1) AnswerNext(button, texts, name, count - 1, number + 1);
    box->button(button)->click();
  });
}

// Chooses path in an open file dialog, typed into its name field as an operator would:
// selectFile leaves that field alone once it has the focus, which on a busy machine it may
// already have, and the dialog then ignores the accept. Tries again while the dialog stays open.
inline void AcceptFile(QFileDialog* dialog, const QString& path, int triesLeft = 500) {
  if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    name->setText(path);
  } else {
    dialog->selectFile(path);
  }
  static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
  if (!dialog->isVisible() || triesLeft == 0) return;
  QTimer::singleShot(10, dialog, [dialog, path, triesLeft] {
    if (dialog->isVisible()) AcceptFile(dialog, path, triesLeft - 1);
  });
}

// Chooses path in the next file dialog.
inline void ChooseNextFile(const QString& path) {
  OnNextModal([path](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    if (dialog == nullptr) {
      widget->close();
      return;
    }
    AcceptFile(dialog, path);
  });
}
