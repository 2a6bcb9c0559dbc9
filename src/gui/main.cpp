#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <memory>

#include "app/CQuorvalenApp.h"
#include "gui/MainWindow.h"
#include "platform/InstanceChannel.h"
#include "platform/ProgramFolder.h"

namespace {

// The GUI surroundings of start-up. The toolkit starts only when something is shown, so a second
// start that just hands over, and the automatic mode, need no display.
class GuiHost : public qv::AppHost {
 public:
  GuiHost(int& argc, char** argv) : argc_(argc), argv_(argv) {}

  void ShowNotice(std::u16string_view text) override {
    StartToolkit();
    QMessageBox::warning(nullptr, QString(), QString::fromStdU16String(std::u16string(text)));
  }

  qv::DialogResult RunMainDialog(qv::CQuorvalenApp& app) override {
    // The automatic mode shows nothing; its unattended run belongs to the main dialog's logic.
    if (app.StartMode() == qv::kStartAutomatic) return qv::DialogResult::Ok;
    StartToolkit();
    qv::MainWindow window;
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
    return window.exec() == QDialog::Accepted ? qv::DialogResult::Ok : qv::DialogResult::Cancel;
  }

 private:
  void StartToolkit() {
    if (!toolkit_) toolkit_ = std::make_unique<QApplication>(argc_, argv_);
  }

  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> toolkit_;
};

}  // namespace

int main(int argc, char* argv[]) {
  GuiHost host(argc, argv);
  qv::CQuorvalenApp app(host, {qv::ProgramFolder(), qv::RuntimeFolder()});
  return app.Run(qv::JoinArguments(argc, argv));
}
