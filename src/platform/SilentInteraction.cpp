#include "platform/SilentInteraction.h"

#include "platform/Codec.h"

namespace qv {

void SilentInteraction::Say(std::u16string_view text) {
  said_.emplace_back(text);
  if (echo_ != nullptr) *echo_ << ToUtf8(text) << '\n';
}

void SilentInteraction::ShowMessage(const Message& message) { Say(message.text); }

Answer SilentInteraction::Ask(const Question& question) {
  Say(question.text);
  return SafeAnswer(question.kind);
}

std::optional<FileChoice> SilentInteraction::ChooseFile(const FileDialog&) { return std::nullopt; }

}  // namespace qv
