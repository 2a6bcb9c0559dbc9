#include "gui/GuiHost.h"

#include <QSocketNotifier>
#include <memory>

#include "app/CQuorvalenApp.h"
#include "gui/MainWindow.h"

namespace qv {

DialogResult GuiHost::RunMainDialog(CQuorvalenApp& app) {
  // The automatic mode shows nothing; its unattended run belongs to the main dialog's logic.
  if (app.StartMode() == kStartAutomatic) return DialogResult::Ok;
  toolkit_.Start();
  MainWindow window;
  const std::u16string title = window.windowTitle().toStdU16String();
  app.AnnounceWindowTitle(title);
  std::unique_ptr<QSocketNotifier> requests;
  if (app.InstanceMessageFd() >= 0) {
    requests = std::make_unique<QSocketNotifier>(app.InstanceMessageFd(), QSocketNotifier::Read);
    QObject::connect(requests.get(), &QSocketNotifier::activated, &window, [&] {
      if (app.TakeCloseRequest(title)) window.reject();
    });
  }
  window.show();
  return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
