#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UserInteraction.h"

namespace qv {

// The user interaction of a run without an operator (the automatic mode, the command-line
// tool): it shows nothing, asks nothing, takes the safe answer to every question and cancels
// every file dialog. What it would have said is kept, and written to echo when one is given.
class SilentInteraction : public UserInteraction {
 public:
  explicit SilentInteraction(std::ostream* echo = nullptr) : echo_(echo) {}

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<FileChoice> ChooseFile(const FileDialog& dialog) override;
  void SetWaitCursor(bool) override {}

  // The texts of the messages and questions that were not shown, in order.
  const std::vector<std::u16string>& Said() const { return said_; }

 private:
  void Say(std::u16string_view text);

  std::ostream* echo_;
  std::vector<std::u16string> said_;
};

}  // namespace qv
