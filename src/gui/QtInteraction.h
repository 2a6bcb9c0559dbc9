#pragma once

#include "gui/GuiToolkit.h"
#include "platform/UserInteraction.h"

namespace qv {

// The user interaction of the window: real message boxes, questions and file dialogs, and the
// toolkit's wait cursor. The toolkit starts when the first box is shown.
class QtInteraction : public UserInteraction {
 public:
  explicit QtInteraction(GuiToolkit& toolkit) : toolkit_(toolkit) {}

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<FileChoice> ChooseFile(const FileDialog& dialog) override;
  // Without a running toolkit there is no cursor to change.
  void SetWaitCursor(bool waiting) override;

 private:
  GuiToolkit& toolkit_;
};

}  // namespace qv
