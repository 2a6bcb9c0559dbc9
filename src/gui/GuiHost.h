#pragma once

#include "app/AppHost.h"
#include "gui/GuiToolkit.h"
#include "gui/QtInteraction.h"

namespace qv {

// The window's side of start-up: Qt message boxes and dialogs, and the main window, which
// announces its title for forwarding starts and closes when a close request for that title
// arrives. The automatic mode shows no window.
class GuiHost : public AppHost {
 public:
  explicit GuiHost(GuiToolkit& toolkit) : toolkit_(toolkit), interaction_(toolkit) {}

  UserInteraction& Interaction() override { return interaction_; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override;

 private:
  GuiToolkit& toolkit_;
  QtInteraction interaction_;
};

}  // namespace qv
