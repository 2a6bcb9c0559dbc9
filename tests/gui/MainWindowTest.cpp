#include <QListView>
#include <QPushButton>
#include <QTest>

#include "gui/MainWindow.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTitleEmptyListingsAndNoTransferButton() {
    qv::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral(u"ＮＣデータ変換"));
    for (const char* name : {"lineNumbers", "dataLines"}) {
      auto* listing = window.findChild<QListView*>(QLatin1String(name));
      QVERIFY(listing != nullptr);
      QCOMPARE(listing->model()->rowCount(), 0);
    }
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("previewArea")) != nullptr);
    QVERIFY(!window.Form().transfer->isVisible());
    window.reject();
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
