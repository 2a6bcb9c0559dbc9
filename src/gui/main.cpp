#include <QApplication>

#include "gui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qv::MainWindow window;
  window.show();
  window.exec();
  return 0;
}
