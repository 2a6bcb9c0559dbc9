#include "gui/GuiToolkit.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qv {

GuiToolkit::GuiToolkit(int& argc, char** argv) : argc_(argc), argv_(argv) {}

GuiToolkit::~GuiToolkit() = default;

void GuiToolkit::Start() {
  if (!IsRunning()) application_ = std::make_unique<QApplication>(argc_, argv_);
  if (!qtTexts_) InstallQtTexts();
}

// Qt's own buttons and file dialogs speak Japanese with the rest of the interface, whatever the
// machine's locale; without the translation files they stay English, which still works.
void GuiToolkit::InstallQtTexts() {
  qtTexts_ = std::make_unique<QTranslator>();
  if (qtTexts_->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtTexts_.get());
  }
}

bool GuiToolkit::IsRunning() { return QApplication::instance() != nullptr; }

}  // namespace qv
