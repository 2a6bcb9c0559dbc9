#pragma once

#include <string_view>

namespace qv {

class CQuorvalenApp;

// How the main dialog ended.
enum class DialogResult { Ok, Cancel, Other };

// What start-up needs from the program around it: a place for its notices and the main
// dialog. The GUI shows message boxes and the window; the automatic mode and tests do not.
class AppHost {
 public:
  virtual ~AppHost() = default;
  // Shows a notice with the exclamation icon (the debug notices of a forwarding start).
  virtual void ShowNotice(std::u16string_view text) = 0;
  // Constructs the main dialog and runs it modally until it ends.
  virtual DialogResult RunMainDialog(CQuorvalenApp& app) = 0;
};

}  // namespace qv
