#include "gui/GuiToolkit.h"

#include <QApplication>

namespace qv {

GuiToolkit::GuiToolkit(int& argc, char** argv) : argc_(argc), argv_(argv) {}

GuiToolkit::~GuiToolkit() = default;

void GuiToolkit::Start() {
  if (!IsRunning()) application_ = std::make_unique<QApplication>(argc_, argv_);
}

bool GuiToolkit::IsRunning() { return QApplication::instance() != nullptr; }

}  // namespace qv
