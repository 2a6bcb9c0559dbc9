#include "gui/MainWindow.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace qv {

QString MainWindowTitle() { return QStringLiteral(u"ＮＣデータ変換"); }

MainWindow::MainWindow(QWidget* parent) : QDialog(parent), listing_(new QListWidget(this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(MainWindowTitle());
  listing_->setObjectName(QStringLiteral("sourceListing"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listing_);
  resize(640, 480);
}

}  // namespace qv
