#pragma once

#include "platform/UserInteraction.h"

namespace qv {

class CQuorvalenApp;

// How the main dialog ended.
enum class DialogResult { Ok, Cancel, Other };

// What start-up needs from the program around it: the operator's side of messages, questions,
// file dialogs and the wait cursor, and the main dialog. The GUI shows real dialogs and the
// window; tests script both.
class AppHost {
 public:
  virtual ~AppHost() = default;
  // The interaction of an attended run (the automatic mode uses a silent one of its own).
  virtual UserInteraction& Interaction() = 0;
  // Constructs the main dialog and runs it modally until it ends.
  virtual DialogResult RunMainDialog(CQuorvalenApp& app) = 0;
};

}  // namespace qv
