#include "app/CQuorvalenApp.h"
#include "app/StartArguments.h"
#include "gui/GuiHost.h"
#include "platform/InstanceChannel.h"
#include "platform/ProgramFolder.h"

int main(int argc, char* argv[]) {
  qv::GuiToolkit toolkit(argc, argv);
  qv::GuiHost host(toolkit);
  qv::CQuorvalenApp app(host, {qv::ProgramFolder(), qv::RuntimeFolder()});
  return app.Run(qv::JoinArguments(argc, argv));
}
