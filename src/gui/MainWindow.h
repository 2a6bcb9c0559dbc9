#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qv {

// The program's main window: its title and an (as yet empty) listing.
class MainWindow : public QDialog {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  QListWidget* Listing() const { return listing_; }
  // "変換　データ転送　実行": shown only in the forwarding mode.
  QPushButton* TransferButton() const { return transfer_; }

 private:
  QListWidget* listing_;
  QPushButton* transfer_;
};

// The title of the main window; a forwarding start finds the running instance by it.
QString MainWindowTitle();

}  // namespace qv
