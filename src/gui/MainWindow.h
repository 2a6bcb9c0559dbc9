#pragma once

#include <QDialog>

class QListWidget;

namespace qv {

// The program's main window: its title and an (as yet empty) listing.
class MainWindow : public QDialog {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  QListWidget* Listing() const { return listing_; }

 private:
  QListWidget* listing_;
};

// The title of the main window; a forwarding start finds the running instance by it.
QString MainWindowTitle();

}  // namespace qv
