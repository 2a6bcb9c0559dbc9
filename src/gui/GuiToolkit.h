#pragma once

#include <memory>

class QApplication;
class QTranslator;

namespace qv {

// The Qt application object, started on first need: a start that shows nothing (a second start
// that only hands over, the automatic mode) needs no display.
class GuiToolkit {
 public:
  GuiToolkit(int& argc, char** argv);
  ~GuiToolkit();
  GuiToolkit(const GuiToolkit&) = delete;
  GuiToolkit& operator=(const GuiToolkit&) = delete;

  // Starts the toolkit unless it runs already (a test's own application object counts), with
  // Qt's own texts in Japanese.
  void Start();
  // Whether the toolkit runs.
  static bool IsRunning();

 private:
  void InstallQtTexts();

  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> application_;
  // Declared after the application, so that it goes first.
  std::unique_ptr<QTranslator> qtTexts_;
};

}  // namespace qv
