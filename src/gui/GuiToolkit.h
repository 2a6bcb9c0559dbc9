#pragma once

#include <memory>

class QApplication;

namespace qv {

// The Qt application object, started on first need: a start that shows nothing (a second start
// that only hands over, the automatic mode) needs no display.
class GuiToolkit {
 public:
  GuiToolkit(int& argc, char** argv);
  ~GuiToolkit();
  GuiToolkit(const GuiToolkit&) = delete;
  GuiToolkit& operator=(const GuiToolkit&) = delete;

  // Starts the toolkit unless it runs already (a test's own application object counts).
  void Start();
  // Whether the toolkit runs.
  static bool IsRunning();

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> application_;
};

}  // namespace qv
