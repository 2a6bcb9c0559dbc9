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

void ShowListing(MainWindow& window, const Listing& listing) {
  window.Listing()->clear();
  for (const std::u16string& line : listing.lines) {
    window.Listing()->addItem(QString::fromStdU16String(line));
  }
}

}  // namespace

DialogResult GuiHost::RunMainDialog(CQuorvalenApp& app) {
  // The automatic mode shows nothing and needs no display.
  if (app.StartMode() == kStartAutomatic) return RunHeadlessDialog(app);
  toolkit_.Start();
  MainWindow window;
  const std::u16string title = window.windowTitle().toStdU16String();
  app.AnnounceWindowTitle(title);
  // Until the full window exists, the forwarding mode converts and transfers through the
  // dialog's logic on a view the stand-in window mirrors.
  HeadlessView view;
  std::unique_ptr<CQuorvalenDlg> dialog;
  if (app.StartMode() == kStartForwarding) {
    dialog = std::make_unique<CQuorvalenDlg>(app, view);
    dialog->Open();
    ShowListing(window, view.listing);
    window.TransferButton()->show();
    QObject::connect(window.TransferButton(), &QPushButton::clicked, &window, [&] {
      dialog->ConvertAndTransfer();
      ShowListing(window, view.listing);
    });
  }
  std::unique_ptr<QSocketNotifier> requests;
  if (app.InstanceMessageFd() >= 0) {
    requests = std::make_unique<QSocketNotifier>(app.InstanceMessageFd(), QSocketNotifier::Read);
    QObject::connect(requests.get(), &QSocketNotifier::activated, &window, [&] {
      if (!app.TakeCloseRequest(title)) return;
      // The dialog decides: close, or stay with the host's next input loaded.
      if (dialog == nullptr || dialog->Close() == 0) {
        window.reject();
      } else {
        ShowListing(window, view.listing);
      }
    });
  }
  window.show();
  return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
