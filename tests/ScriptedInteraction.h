#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/UserInteraction.h"

namespace qv::test {

// The user interaction of the tests: records every message, question and file dialog, answers
// from a plan made in advance, and counts the wait cursor. A question or a dialog that the plan
// did not expect fails the test (and gets the safe answer).
class ScriptedInteraction : public UserInteraction {
 public:
  void ShowMessage(const Message& message) override { messages.push_back(message); }
  Answer Ask(const Question& question) override;
  std::optional<FileChoice> ChooseFile(const FileDialog& dialog) override;
  void SetWaitCursor(bool waiting) override;

  std::vector<Message> messages;
  std::vector<Question> questions;
  std::vector<FileDialog> dialogs;
  std::deque<Answer> answers;                     // planned, taken in order
  std::deque<std::optional<FileChoice>> choices;  // planned, taken in order
  int waitDepth = 0;                              // wait cursors shown and not yet taken away
  int waitCount = 0;                              // wait cursors shown in all
};

}  // namespace qv::test
