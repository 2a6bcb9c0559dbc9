#include "gui/GuiHost.h"

#include <QSocketNotifier>
#include <memory>

#include "app/CQuorvalenApp.h"
#include "gui/MainWindow.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {

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
  // request, or closes.
  std::unique_ptr<QSocketNotifier> requests;
  if (app.InstanceMessageFd() >= 0) {
    requests = std::make_unique<QSocketNotifier>(app.InstanceMessageFd(), QSocketNotifier::Read);
    QObject::connect(requests.get(), &QSocketNotifier::activated, &window, [&] {
      if (app.TakeCloseRequest(window.windowTitle().toStdU16String())) window.reject();
    });
  }
  window.show();
  return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
