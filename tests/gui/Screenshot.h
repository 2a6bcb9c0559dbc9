#pragma once

#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>

// scripts/screenshots sets QV_SCREENSHOT_DIR and runs the widget tests under a real X server;
// there each test saves the windows it opens. In ordinary runs this does nothing.
inline void SaveScreenshot(QWidget& widget, const QString& name) {
  const QString dir = qEnvironmentVariable("QV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QApplication::processEvents();
  widget.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// The modal window on top (a message box or a dialog run with exec()), if any.
inline void SaveActiveModal(const QString& name) {
  if (QWidget* modal = QApplication::activeModalWidget()) SaveScreenshot(*modal, name);
}
