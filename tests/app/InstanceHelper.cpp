// A stand-in program for the two-process tests of the single instance: it starts through the
// application object like the real program, and its "main dialog" waits for a close request.
//   QUORVALEN_HOME, QUORVALEN_RUNTIME_DIR  where the settings, the lock and the socket live
//   QV_HELPER_REPORT                       file that receives "ready", then "closed|<CmdName>"
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"
#include "platform/InstanceChannel.h"
#include "platform/ProgramFolder.h"
#include "platform/SilentInteraction.h"

namespace {

void Report(const std::string& text) {
  const char* path = std::getenv("QV_HELPER_REPORT");
  if (path == nullptr) return;
  std::ofstream(std::string(path) + ".part") << text;
  std::rename((std::string(path) + ".part").c_str(), path);
}

class WaitingHost : public qv::AppHost {
 public:
  qv::UserInteraction& Interaction() override { return interaction_; }
  qv::DialogResult RunMainDialog(qv::CQuorvalenApp& app) override {
    const std::u16string title = u"ＮＣデータ変換";
    app.AnnounceWindowTitle(title);
    Report("ready");
    for (int waited = 0; waited < 20000; waited += 20) {
      app.WaitForInstanceMessage(20);
      if (!app.TakeCloseRequest(title)) continue;
      // The close path picks the forwarded command line up from the settings.
      const std::u16string request =
          qv::ReadProfileString(app.CurrentSettings().profilePath, u"Forwarding", u"CmdName", u"");
      Report("closed|" + qv::ToUtf8(request));
      return qv::DialogResult::Ok;
    }
    Report("timeout");
    return qv::DialogResult::Other;
  }

 private:
  qv::SilentInteraction interaction_{&std::cout};
};

}  // namespace

int main(int argc, char** argv) {
  WaitingHost host;
  qv::CQuorvalenApp app(host, {qv::ProgramFolder(), qv::RuntimeFolder()});
  return app.Run(qv::JoinArguments(argc, argv));
}
