#include "ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace qv::test {

Answer ScriptedInteraction::Ask(const Question& question) {
  questions.push_back(question);
  if (answers.empty()) {
    ADD_FAILURE() << "unplanned question";
    return SafeAnswer(question.kind);
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedInteraction::ChooseFile(const FileDialog& dialog) {
  dialogs.push_back(dialog);
  if (choices.empty()) {
    ADD_FAILURE() << "unplanned file dialog";
    return std::nullopt;
  }
  std::optional<FileChoice> choice = choices.front();
  choices.pop_front();
  return choice;
}

void ScriptedInteraction::SetWaitCursor(bool waiting) {
  waitDepth += waiting ? 1 : -1;
  if (waiting) ++waitCount;
  EXPECT_GE(waitDepth, 0) << "wait cursor taken away more often than shown";
}

}  // namespace qv::test
