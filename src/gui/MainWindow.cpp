#include "gui/MainWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

QString MainWindowTitle() { return QStringLiteral(u"ＮＣデータ変換"); }

MainWindow::MainWindow(QWidget* parent)
    : QDialog(parent),
      listing_(new QListWidget(this)),
      transfer_(new QPushButton(QStringLiteral(u"変換　データ転送　実行"), this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(MainWindowTitle());
  listing_->setObjectName(QStringLiteral("sourceListing"));
  auto* layout = new QVBoxLayout(this);
  transfer_->setObjectName(QStringLiteral("transferButton"));
  transfer_->hide();
  layout->addWidget(transfer_);
  layout->addWidget(listing_);
  resize(640, 480);
}

}  // namespace qv
