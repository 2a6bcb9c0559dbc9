#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "Screenshot.h"
#include "gui/Cncdrawbutton.h"
#include "gui/ListingPane.h"
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
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("pathPreview")) != nullptr);
    QVERIFY(!window.Form().transfer->isVisible());
    window.reject();
    QVERIFY(!window.isVisible());
  }

  // Each option comes back from the control that shows it, none crossed with another; a choice
  // of -1 clears its buttons.
  void everyOptionReadsBackAsShown() {
    qv::MainWindow window;
    qv::ConversionOptions shown{2,     u"N",  70,     1, 1, 3, 1,       u"g92X", u"g92Y", u"G98",
                                u"x2", u"y2", 1,      0, 1, 1, u"O",    u"1234", u"(c)",  u"M98",
                                u"P",  u"L",  u"M99", 1, 1, 2, u"G93a", u"post", u"SPCC", u"1.6"};
    window.ShowFields(shown);
    QCOMPARE(window.Fields(), shown);
    shown = {};
    shown.sequenceNumber = 5;
    window.ShowFields(shown);
    QCOMPARE(window.Fields(), shown);
  }

  // A typed name is never completed to a listed one: the name buttons act on what was typed.
  void aTypedNameStaysAsTyped() {
    qv::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowLists({{u"P1"}, u"P1"}, {{u"SS400"}, u""}, {{u"12.0"}, u""});
    QComboBox* materials = window.Form().materials;
    materials->setFocus();
    QTest::keyClicks(materials, QStringLiteral("ss4\"1"));
    QCOMPARE(window.Fields().materialName, std::u16string(u"SS41"));
    materials->lineEdit()->setCursorPosition(2);
    QTest::keyClicks(materials, QStringLiteral("\""));
    QCOMPARE(materials->lineEdit()->cursorPosition(), 2);
  }

  // A typo in the sequence number stops the run with the range message instead of numbering
  // the blocks from 0.
  void aSequenceNumberThatIsNoNumberIsRefused() {
    qv::MainWindow window;
    for (const char* typed : {"abc", "1000O", "99999999999", ""}) {
      window.Form().sequenceNumber->setText(QString::fromLatin1(typed));
      QCOMPARE(qv::ValidateOptions(window.Fields()), qv::OptionsCheck::SequenceNumberOutOfRange);
    }
    window.Form().sequenceNumber->setText(QStringLiteral("12a"));
    window.ShowFields(window.Fields());
    QCOMPARE(window.Form().sequenceNumber->text(), QStringLiteral("12a"));
    window.Form().sequenceNumber->setText(QStringLiteral(" 120 "));
    QCOMPARE(window.Fields().sequenceNumber, 120);
  }

  // A long line deep in the program widens the data list (the first line alone must not decide),
  // and at the very end the numbers still stand beside their lines.
  void aLongLineScrollsAndTheNumbersStayLevelToTheEnd() {
    qv::MainWindow window;
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    qv::Listing listing;
    for (int i = 1; i <= 300; ++i) {
      listing.numbers.push_back(QStringLiteral("%1").arg(i, 5).toStdU16String());
      listing.lines.push_back(i == 1 ? u"%" : (QStringLiteral("X%1.").arg(i).toStdU16String()));
    }
    listing.lines[149] = std::u16string(400, u'Y');
    window.ShowListing(listing);
    QListView* lines = window.Listings()->Lines();
    QListView* numbers = window.Listings()->Numbers();
    QTRY_VERIFY(lines->horizontalScrollBar()->maximum() > 1000);
    lines->verticalScrollBar()->setValue(lines->verticalScrollBar()->maximum());
    const int first = lines->indexAt(QPoint(5, 5)).row();
    QVERIFY(first > 250);
    QTRY_COMPARE(numbers->indexAt(QPoint(5, 5)).row(), first);
  }

  // The band at the lists' bottom edge moves it, within a tenth and nine tenths of the client
  // height (never above the lists' top); the line numbers follow the data list's scrolling.
  void splitterStaysInBoundsAndNumbersFollowTheData() {
    qv::MainWindow window;
    window.resize(1024, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    qv::Listing listing;
    for (int i = 1; i <= 1000; ++i) {
      listing.numbers.push_back(QStringLiteral("%1").arg(i, 5).toStdU16String());
      listing.lines.push_back(QStringLiteral("X%1.").arg(i).toStdU16String());
    }
    window.ShowListing(listing);
    qv::ListingPane* pane = window.Listings();
    pane->SetSplitter(100000);  // kept from a taller window: the band is at the edge as drawn
    const int offset = pane->mapTo(&window, QPoint()).y();
    const int listsTop = pane->Lines()->geometry().top() + offset;
    QWidget* preview = pane->Preview();
    const QPoint band =
        preview->mapFromGlobal(pane->mapToGlobal(QPoint(100, pane->Splitter() - offset + 10)));
    QTest::mousePress(preview, Qt::LeftButton, {}, band);
    QTest::mouseMove(preview, QPoint(band.x(), -2000));
    QCOMPARE(pane->Splitter(), std::max(listsTop, window.height() / 10));
    QTest::mouseMove(preview, QPoint(band.x(), 2000));
    QCOMPARE(pane->Splitter(), window.height() * 9 / 10);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(band.x(), 2000));
    QCOMPARE(pane->Lines()->geometry().bottom() + 1 + offset, pane->Splitter());

    QTRY_VERIFY(pane->Lines()->verticalScrollBar()->maximum() > 500);
    pane->Lines()->verticalScrollBar()->setValue(500);
    QCOMPARE(pane->Lines()->indexAt(QPoint(5, 5)).row(), 500);
    QTRY_COMPARE(pane->Numbers()->indexAt(QPoint(5, 5)).data().toString(), QStringLiteral("  501"));
    SaveScreenshot(window, QStringLiteral("main_splitter_low"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
