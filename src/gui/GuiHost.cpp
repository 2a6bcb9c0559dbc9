#include "gui/GuiHost.h"

#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>
#include <memory>

#include "app/CQuorvalenApp.h"
#include "gui/MainWindow.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

// Mirrors the view: the title (which names the input, and by which a forwarding start finds
// this window) and the listing.
void ShowView(MainWindow& window, const HeadlessView& view) {
  if (!view.title.empty()) window.setWindowTitle(QString::fromStdU16String(view.title));
  window.Listing()->clear();
  for (const std::u16string& line : view.listing.lines) {
    window.Listing()->addItem(QString::fromStdU16String(line));
  }
}

}  // namespace

DialogResult GuiHost::RunMainDialog(CQuorvalenApp& app) {
  // The automatic mode shows nothing and needs no display.
  if (app.StartMode() == kStartAutomatic) return RunHeadlessDialog(app);
  toolkit_.Start();
  MainWindow window;
  app.AnnounceWindowTitle(window.windowTitle().toStdU16String());
  // Until the full window exists, the forwarding mode converts and transfers through the
  // dialog's logic on a view the stand-in window mirrors.
  HeadlessView view;
  std::unique_ptr<CQuorvalenDlg> dialog;
  if (app.StartMode() == kStartForwarding) {
    dialog = std::make_unique<CQuorvalenDlg>(app, view);
    dialog->Open();
    ShowView(window, view);
    window.TransferButton()->show();
    QObject::connect(window.TransferButton(), &QPushButton::clicked, &window, [&] {
      dialog->ConvertAndTransfer();
      ShowView(window, view);
    });
  }
  std::unique_ptr<QSocketNotifier> requests;
  if (app.InstanceMessageFd() >= 0) {
    requests = std::make_unique<QSocketNotifier>(app.InstanceMessageFd(), QSocketNotifier::Read);
    QObject::connect(requests.get(), &QSocketNotifier::activated, &window, [&] {
      if (!app.TakeCloseRequest(window.windowTitle().toStdU16String())) return;
      // The dialog decides: close, or stay with the host's next input loaded.
      if (dialog == nullptr || dialog->Close() == 0) {
        window.reject();
      } else {
        ShowView(window, view);
      }
    });
  }
  window.show();
  return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
