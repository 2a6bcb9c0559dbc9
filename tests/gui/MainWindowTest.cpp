#include <QListWidget>
#include <QTest>

#include "gui/MainWindow.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTitleAndEmptyListing() {
    qv::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral(u"ＮＣデータ変換"));
    auto* listing = window.findChild<QListWidget*>(QStringLiteral("sourceListing"));
    QVERIFY(listing != nullptr);
    QCOMPARE(listing->count(), 0);
    window.reject();
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
