#include "gui/GuiHost.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "app/CQuorvalenApp.h"
#include "gui/MainWindow.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

constexpr int kCloseRetryMilliseconds = 50;

}  // namespace

DialogResult GuiHost::RunMainDialog(CQuorvalenApp& app) {
  // The automatic mode shows nothing and needs no display.
  if (app.StartMode() == kStartAutomatic) return RunHeadlessDialog(app);
  toolkit_.Start();
  MainWindow window;
  app.AnnounceWindowTitle(window.windowTitle().toStdU16String());
  CQuorvalenDlg dialog(app, window);
  window.Attach(dialog);
  dialog.Open();
  // A later forwarding start asks this window to close; the close path then takes up its
  // request, or closes. The request waits while a box of the window is open: the close path
  // must not run in the middle of a question, an output or a file dialog.
  QTimer closeWhenFree;
  closeWhenFree.setInterval(kCloseRetryMilliseconds);
  QObject::connect(&closeWhenFree, &QTimer::timeout, &window, [&] {
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != &window) return;
    closeWhenFree.stop();
    window.reject();
  });
  std::unique_ptr<QSocketNotifier> requests;
  if (app.InstanceMessageFd() >= 0) {
    requests = std::make_unique<QSocketNotifier>(app.InstanceMessageFd(), QSocketNotifier::Read);
    QObject::connect(requests.get(), &QSocketNotifier::activated, &window, [&] {
      if (app.TakeCloseRequest(window.windowTitle().toStdU16String())) closeWhenFree.start();
    });
  }
  window.show();
  return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
