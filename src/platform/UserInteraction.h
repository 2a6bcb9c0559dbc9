#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The icon and buttons of a message: information with OK, or exclamation with OK.
enum class MessageKind { Information, Exclamation };

// A question's buttons: Yes and No (question icon), or OK and Cancel (exclamation icon).
enum class QuestionKind { YesNo, OkCancel };

// The button that answered a question.
enum class Answer { Yes, No, Ok, Cancel };

// The caption of the program's own message and question boxes.
inline constexpr char16_t kMessageCaption[] = u"Drevmark";

// A message box: its kind, its text and its caption (empty: the program's own).
struct Message {
  MessageKind kind = MessageKind::Information;
  std::u16string text;
  std::u16string caption;

  bool operator==(const Message&) const = default;
};

// A question box.
struct Question {
  QuestionKind kind = QuestionKind::YesNo;
  std::u16string text;
  std::u16string caption;

  bool operator==(const Question&) const = default;
};

// One entry of a file dialog's filter list: the text shown and its patterns ("*.NC;*.NCD").
struct FileFilter {
  std::u16string description;
  std::u16string patterns;

  bool operator==(const FileFilter&) const = default;
};

enum class FileDialogKind { Open, Save };

// A file open or save dialog: where it starts, the filter list and the 1-based filter entry
// selected at first.
struct FileDialog {
  FileDialogKind kind = FileDialogKind::Open;
  std::u16string folder;
  std::u16string fileName;
  std::vector<FileFilter> filters;
  int32_t filterIndex = 1;

  bool operator==(const FileDialog&) const = default;
};

// What the operator chose in a file dialog: the path and the 1-based filter entry in use.
struct FileChoice {
  std::u16string path;
  int32_t filterIndex = 1;

  bool operator==(const FileChoice&) const = default;
};

// Everything that touches the operator: message boxes, questions, file dialogs and the wait
// cursor. The window shows real dialogs; the automatic mode and the command-line tool show
// nothing and take the safe answer; tests script the answers.
class UserInteraction {
 public:
  virtual ~UserInteraction() = default;
  // Shows a message and waits until it is acknowledged.
  virtual void ShowMessage(const Message& message) = 0;
  // Asks a question and returns the button that answered it.
  virtual Answer Ask(const Question& question) = 0;
  // Runs a file dialog; nullopt when it was cancelled.
  virtual std::optional<FileChoice> ChooseFile(const FileDialog& dialog) = 0;
  // Shows (true) or takes away (false) the wait cursor; calls nest.
  virtual void SetWaitCursor(bool waiting) = 0;
};

// The wait cursor for the life of a scope, taken away on every path out.
class WaitCursor {
 public:
  explicit WaitCursor(UserInteraction& interaction) : interaction_(interaction) {
    interaction_.SetWaitCursor(true);
  }
  ~WaitCursor() { interaction_.SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInteraction& interaction_;
};

// The answer that changes nothing: No for a Yes/No question, Cancel for OK/Cancel.
Answer SafeAnswer(QuestionKind kind);

}  // namespace qv
