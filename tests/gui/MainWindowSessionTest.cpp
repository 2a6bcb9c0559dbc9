// Whole operator sessions through the real main window (offscreen): load, choose, convert,
// compare, write, edit the name lists, and a forwarding start handed to the running window.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>

#include "ModalDriver.h"
#include "app/CQuorvalenApp.h"
#include "gui/Cncdrawbutton.h"
#include "gui/GuiHost.h"
#include "gui/ListingPane.h"
#include "gui/MainWindow.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "platform/InstanceChannel.h"

namespace {

namespace fs = std::filesystem;

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }

QStringList Rows(const QListView* view) {
  QStringList rows;
  for (int i = 0; i < view->model()->rowCount(); ++i) {
    rows << view->model()->index(i, 0).data().toString();
  }
  return rows;
}

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// The lines of a code page 932 file.
QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const QString text = QString::fromStdU16String(
      qv::DecodeCp932(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The operator picks an item, as a click in the drop-down does.
void Pick(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

// Every file under folder with its bytes.
std::map<QString, QByteArray> Snapshot(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder.toStdString())) {
    if (!entry.is_regular_file()) continue;
    const QString path = QString::fromStdString(entry.path().string());
    files[path] = Bytes(path);
  }
  return files;
}

// Notes the next dialog's object name, saves it and closes it with Cancel (Esc), or first runs
// inside on it.
void CancelNext(QStringList& opened, const QString& screenshot,
                std::function<void(QWidget*)> inside = {}) {
  OnNextModal([&opened, screenshot, inside](QWidget* widget) {
    opened << widget->objectName();
    SaveScreenshot(*widget, screenshot);
    if (inside) inside(widget);
    static_cast<QDialog*>(widget)->reject();
  });
}

// Paints the preview now, as the event loop would at its next turn.
qv::Cncdrawbutton& Painted(qv::MainWindow& window) {
  qv::Cncdrawbutton& preview = *window.Listings()->Preview();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("the main window never showed");
  preview.repaint();
  return preview;
}

// The process's CPU time in milliseconds: the shared machine's wall clock runs slow under load.
double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

class MainWindowSessionTest : public QObject {
  Q_OBJECT

 private:
  QString Home(const QString& name) const { return QDir(home_.path()).filePath(name); }
  std::u16string Settings() const { return Utf16(Home(QStringLiteral("System/Quorvalen.ini"))); }

  // Runs the program with the command line; session runs once the main window shows.
  int Run(const std::u16string& commandLine, std::function<void(qv::MainWindow&)> session) {
    int argc = 0;
    qv::GuiToolkit toolkit(argc, nullptr);
    qv::GuiHost host(toolkit);
    qv::CQuorvalenApp app(host, {Utf16(home_.path()), runtime_.path().toStdString()});
    OnceShown(ShownMainWindow, [session](QWidget* shown) {
      auto& window = *static_cast<qv::MainWindow*>(shown);
      session(window);
      // A session that failed before closing the window must not leave the run waiting.
      if (window.isVisible()) window.done(QDialog::Rejected);
    });
    return app.Run(commandLine);
  }

  // "終了" answered with OK.
  static void CloseWindow(qv::MainWindow& window, std::vector<QString>& told) {
    AnswerNext(QMessageBox::Ok, told, QStringLiteral("question_close"));
    window.Form().close->click();
  }

  QTemporaryDir home_;
  QTemporaryDir runtime_;

 private slots:
  void init() {
    fs::copy(QV_SHIPPED_DATA_DIR, fs::path(home_.path().toStdString()) / "System");
    fs::copy(QV_SAMPLES_DIR, fs::path(home_.path().toStdString()) / "samples");
  }
  void cleanup() {
    fs::remove_all(home_.path().toStdString());
    fs::create_directory(home_.path().toStdString());
  }

  void loadChooseConvertAndWriteAsTheCommandLineDoes() {
    const QString sample = Home(QStringLiteral("samples/sample1.nc"));
    const QString output = Home(QStringLiteral("gui.nc"));
    std::vector<QString> told;
    Run(u"", [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      QListView* lines = window.Listings()->Lines();
      SaveScreenshot(window, QStringLiteral("main_empty"));
      QVERIFY(!f.transfer->isVisible());
      ChooseNextFile(sample);
      f.input->click();
      QVERIFY(window.windowTitle().endsWith(QStringLiteral("sample1.nc]")));
      QCOMPARE(window.Listings()->Caption()->text(),
               QStringLiteral(u"読み込みデータ（変換前のデータ）"));
      QCOMPARE(Rows(lines), FileLines(sample));
      QCOMPARE(Rows(window.Listings()->Numbers()).front(), QStringLiteral("    1"));
      SaveScreenshot(window, QStringLiteral("main_loaded"));
      window.resize(1024, 768);
      SaveScreenshot(window, QStringLiteral("main_loaded_1024x768"));
      // The preview draws the program as loaded, and a listing line and its pieces go together.
      qv::Cncdrawbutton& preview = Painted(window);
      QCOMPARE(preview.Drawing().LineCount(), static_cast<int32_t>(FileLines(sample).size()));
      const std::vector<qv::Segment>& pieces = preview.Drawing().Path().Segments();
      QVERIFY(!pieces.empty());
      const auto line = std::find_if(
          pieces.begin() + static_cast<ptrdiff_t>(pieces.size() / 2), pieces.end(),
          [](const qv::Segment& piece) { return piece.kind == qv::SegmentKind::Line; });
      const qv::Segment& picked = line != pieces.end() ? *line : pieces[pieces.size() / 2];
      lines->setCurrentIndex(lines->model()->index(picked.line, 0));
      QCOMPARE(preview.HighlightedLine(), picked.line);
      lines->setCurrentIndex(lines->model()->index(0, 0));
      const qv::PixelPoint at = preview.Drawing().ToPixel(
          picked.kind == qv::SegmentKind::Hit ? picked.end
                                              : qv::Point{(picked.start.x + picked.end.x) / 2,
                                                          (picked.start.y + picked.end.y) / 2});
      QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(qRound(at.x), qRound(at.y)));
      const int row = lines->currentIndex().row();
      QVERIFY(!preview.Drawing().Path().SegmentsOfLine(row).empty());
      QCOMPARE(window.Listings()->Numbers()->currentIndex().row(), row);
      QCOMPARE(preview.HighlightedLine(), row);
      QTest::mouseMove(&preview, QPoint(qRound(at.x), qRound(at.y)));
      QVERIFY(window.Listings()->Coordinates()->text().startsWith(QStringLiteral("X ")));
      SaveScreenshot(window, QStringLiteral("main_picked"));

      Pick(f.materials, 1);
      QCOMPARE(Items(f.thicknesses), (QStringList{QStringLiteral("1.0"), QStringLiteral("1.5")}));
      Pick(f.thicknesses, 1);
      f.comment->setText(QStringLiteral("GUI"));
      f.skipSameCondition->setChecked(true);
      f.convert->click();
      QCOMPARE(window.Listings()->Caption()->text(), QStringLiteral(u"変換後のデータ"));
      // The preview follows the listing to the output.
      QCOMPARE(Painted(window).Drawing().LineCount(), lines->model()->rowCount());
      QVERIFY(!Painted(window).Drawing().Path().Segments().empty());
      SaveScreenshot(window, QStringLiteral("main_converted"));
      ChooseNextFile(output);
      f.output->click();
      QCOMPARE(Rows(lines), FileLines(output));
      QVERIFY(Rows(lines).contains(QStringLiteral("(GUI)")) ||
              Rows(lines).join(QString()).contains(QStringLiteral("GUI")));
      window.resize(1024, 768);
      SaveScreenshot(window, QStringLiteral("main_converted_1024x768"));
      CloseWindow(window, told);
    });
    QCOMPARE(told, std::vector<QString>{QStringLiteral(u"終了しますか？")});
    // The command line with the same choices writes the same program.
    const QString cli =
        QStringLiteral(
            "%1 convert %2 -o %3 --home %4 --post '%5' --material SUS304 "
            "--thickness 1.5 > /dev/null")
            .arg(QStringLiteral(QV_CLI_EXECUTABLE), sample, Home(QStringLiteral("cli.nc")),
                 home_.path(), QStringLiteral(u"複合機 PL-3015"));
    QCOMPARE(std::system(cli.toLocal8Bit().constData()), 0);
    QCOMPARE(Bytes(output), Bytes(Home(QStringLiteral("cli.nc"))));
  }

  void everyEditorOpensFromItsButtonAndCancelLeavesEveryFile() {
    std::vector<QString> told;
    QStringList opened;
    std::map<QString, QByteArray> before;
    Run(u"", [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      before = Snapshot(home_.path());
      CancelNext(opened, QStringLiteral("dialog_input_table"));
      f.inputTable->click();
      CancelNext(opened, QStringLiteral("dialog_post_editor"), [&opened](QWidget* editor) {
        CancelNext(opened, QStringLiteral("dialog_special_codes"));
        editor->findChild<QPushButton*>(QStringLiteral("specialCodesButton"))->click();
      });
      f.postEditor->click();
      CancelNext(opened, QStringLiteral("dialog_conditions"));
      f.conditionEditor->click();
      CancelNext(opened, QStringLiteral("dialog_parameters"));
      f.parameters->click();
      CancelNext(opened, QStringLiteral("dialog_about"));
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QTest::keyClick(&window, Qt::Key_F1);
      f.conversionType->button(1)->click();
      CancelNext(opened, QStringLiteral("dialog_string_table"));
      f.stringTable->click();
      f.conversionType->button(0)->click();
      QCOMPARE(Snapshot(home_.path()), before);
      CloseWindow(window, told);
    });
    QCOMPARE(opened,
             (QStringList{"tableEditorDialog", "postEditor", "specialCodeEditor", "mcEditDialog",
                          "parameterDialog", "aboutDialog", "tableEditorDialog"}));
  }

  void postEditorOkChangesTheNextConversion() {
    const QString sample = Home(QStringLiteral("samples/sample1.nc"));
    std::vector<QString> told;
    Run(u"", [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      ChooseNextFile(sample);
      f.input->click();
      Pick(f.materials, 1);
      Pick(f.thicknesses, 1);
      f.convert->click();
      const QStringList first = Rows(window.Listings()->Lines());
      OnNextModal([](QWidget* editor) {
        auto* head = editor->findChild<QLineEdit*>(QStringLiteral("headLine2"));
        head->setText(head->text() + QStringLiteral("(QVGUI)"));
        editor->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
      });
      f.postEditor->click();
      AnswerNext(QMessageBox::Yes, told);
      f.convert->click();
      const QStringList second = Rows(window.Listings()->Lines());
      QVERIFY(!first.join(QString()).contains(QStringLiteral("(QVGUI)")));
      QVERIFY(second.join(QString()).contains(QStringLiteral("(QVGUI)")));
      CloseWindow(window, told);
    });
    QCOMPARE(told.front(), QStringLiteral(u"入力した元データを変換します。"));
  }

  void unconvertibleDataIsListedAfterLoading() {
    const QString program = Home(QStringLiteral("refused.nc"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G92X0Y0\r\nG126X0Y0I50.K6\r\nG111X0Y0I40.J20.\r\nG01X5.\r\nG111X50.Y0.K90.\r\n");
    file.close();
    std::vector<QString> told;
    QStringList listed;
    Run(u"", [&](qv::MainWindow& window) {
      ChooseNextFile(program);
      const auto listDialog = []() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal->objectName() == QStringLiteral("unconvertibleDialog")
                   ? modal
                   : nullptr;
      };
      OnceShown(listDialog, [&listed](QWidget* shown) {
        SaveScreenshot(*shown, QStringLiteral("dialog_unconvertible"));
        auto* list = shown->findChild<QListWidget*>(QStringLiteral("unconvertibleList"));
        for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
        auto* figures = shown->findChild<QListWidget*>(QStringLiteral("noMoveFigureList"));
        for (int i = 0; i < figures->count(); ++i) listed << figures->item(i)->text();
        static_cast<QDialog*>(shown)->accept();
      });
      window.Form().input->click();
      QVERIFY(!window.Form().convert->isEnabled());
      CloseWindow(window, told);
    });
    QVERIFY(listed.size() > 5);
    QVERIFY(listed.front().startsWith(QStringLiteral(u"変換できないマクロまたはコードが")));
    // The unconvertible lines, then the figure that produces no moves.
    QVERIFY(listed[listed.size() - 2].contains(QStringLiteral("G111X50.Y0.K90.")));
    QVERIFY(listed.back().contains(QStringLiteral("G126X0Y0I50.K6")));
  }

  void nameListButtonsSayWhyTheyRefuse() {
    std::vector<QString> told;
    Run(u"", [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      f.posts->setEditText(QStringLiteral(u"複合機 PL-3015"));
      AnswerNext(QMessageBox::Ok, told, QStringLiteral("message_post_listed"));
      f.postButtons[0]->click();
      f.posts->setEditText(QStringLiteral("gui-1"));
      f.postButtons[0]->click();
      QCOMPARE(f.posts->count(), 3);
      QCOMPARE(f.posts->currentText(), QStringLiteral("GUI-1"));
      f.posts->setEditText(QStringLiteral("GUI-2"));
      f.postButtons[1]->click();
      QCOMPARE(Items(f.posts).back(), QStringLiteral("GUI-2"));
      AnswerNext(QMessageBox::Ok, told, QStringLiteral("question_delete"));
      f.postButtons[2]->click();
      QCOMPARE(f.posts->count(), 2);

      f.materials->setEditText(QStringLiteral("SS400"));
      f.thicknesses->setEditText(QStringLiteral("3.2"));
      f.conditionButtons[0]->click();
      QVERIFY(Items(f.materials).contains(QStringLiteral("SS400")));
      AnswerNext(QMessageBox::Ok, told, QStringLiteral("message_condition_unchanged"), 2);
      f.conditionButtons[1]->click();
      AnswerNext(QMessageBox::Ok, told);
      f.conditionButtons[2]->click();
      QVERIFY(!Items(f.materials).contains(QStringLiteral("SS400")));

      f.posts->setEditText(QStringLiteral("NOT LISTED"));
      AnswerNext(QMessageBox::Cancel, told, QStringLiteral("question_unregistered"));
      window.reject();
      QVERIFY(window.isVisible());
      f.posts->setEditText(QStringLiteral(u"複合機 PL-3015"));
      CloseWindow(window, told);
    });
    QCOMPARE(told, (std::vector<QString>{
                       QStringLiteral(u"同一文字が既にあります"), QStringLiteral(u"削除しますか？"),
                       QStringLiteral(u"同一材質が既にあります"),
                       QStringLiteral(u"同一板厚が既にあります"), QStringLiteral(u"削除しますか？"),
                       QStringLiteral(u"このポストはまだ登録していませんが\n終了しますか？"),
                       QStringLiteral(u"終了しますか？")}));
  }

  void stringOnlyConversionDisablesTheMachineGroups() {
    std::vector<QString> told;
    Run(u"", [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      f.conversionType->button(1)->click();
      QVERIFY(!f.skipSameCondition->isEnabled());
      QVERIFY(!f.posts->isEnabled());
      QVERIFY(f.breakUp->isEnabled());
      QVERIFY(f.stringTable->isEnabled());
      SaveScreenshot(window, QStringLiteral("main_string_only"));
      f.conversionType->button(0)->click();
      QVERIFY(f.skipSameCondition->isEnabled());
      QVERIFY(f.posts->isEnabled());
      QVERIFY(!f.stringTable->isEnabled());
      CloseWindow(window, told);
    });
  }

  void forwardingStartIsHandedToTheRunningWindow() {
    const QString first = Home(QStringLiteral("samples/sample1.nc"));
    const QString next = Home(QStringLiteral("samples/sample2_punch.nc"));
    const QString out = Home(QStringLiteral("out1.nc"));
    std::vector<QString> told;
    const std::string socket =
        qv::InstanceSocketPath(runtime_.path().toStdString(), qv::kInstanceMutexName);
    Run(u"TARVELIS|" + Utf16(first) + u"|" + Utf16(out), [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      QVERIFY(f.transfer->isVisible());
      QVERIFY(f.transferIcon->isVisible());
      SaveScreenshot(window, QStringLiteral("main_forwarding"));
      QCOMPARE(Rows(window.Listings()->Lines()), FileLines(first));
      AnswerNext(QMessageBox::Ok, told, QStringLiteral("message_transferred"));
      f.transfer->click();
      QVERIFY(QFile::exists(out));
      // What a second start leaves: its request, then the close command to this window.
      qv::WriteProfileString(Settings(), u"Forwarding", u"CmdName",
                             u"TARVELIS|" + Utf16(next) + u"|" + Utf16(Home("out2.nc")));
      qv::SendCloseRequest(socket, Utf16(window.windowTitle()));
      QTRY_VERIFY(window.windowTitle().endsWith(QStringLiteral("sample2_punch.nc]")));
      QVERIFY(window.isVisible());
      QCOMPARE(Rows(window.Listings()->Lines()), FileLines(next));
      CloseWindow(window, told);
    });
    QCOMPARE(told, (std::vector<QString>{QStringLiteral(u"変換及び転送が終了しました"),
                                         QStringLiteral(u"終了しますか？")}));
  }

  void thirtyThousandLinesLoadAndConvertQuickly() {
    const QString big = Home(QStringLiteral("big.nc"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%\r\nG92X1250.Y1250.\r\nG90G00X10.Y10.T101\r\n");
    for (int i = 0; i < 29994; ++i) {
      file.write(
          QStringLiteral("X%1.Y%2.\r\n").arg(10 + i % 1000).arg(10 + i / 1000 * 10).toLatin1());
    }
    file.write("M30\r\n%\r\n");
    file.close();
    std::vector<QString> told;
    double cpu = -1;
    qint64 wall = -1;
    Run(u"TARVELIS|" + Utf16(big) + u"|" + Utf16(Home("big_out.nc")), [&](qv::MainWindow& window) {
      const qv::MainForm& f = window.Form();
      QElapsedTimer clock;
      clock.start();
      const double cpuStart = CpuMilliseconds();
      f.input->click();
      QCOMPARE(Painted(window).Drawing().LineCount(),
               window.Listings()->Lines()->model()->rowCount());
      f.convert->click();
      QApplication::processEvents();
      const qv::Cncdrawbutton& preview = Painted(window);
      cpu = CpuMilliseconds() - cpuStart;
      wall = clock.elapsed();
      QCOMPARE(window.Listings()->Lines()->model()->rowCount(),
               window.Listings()->Numbers()->model()->rowCount());
      QVERIFY(window.Listings()->Lines()->model()->rowCount() >= 30000);
      QCOMPARE(preview.Drawing().LineCount(), window.Listings()->Lines()->model()->rowCount());
      QVERIFY(preview.Drawing().Path().Segments().size() >= 29994);
      CloseWindow(window, told);
    });
    qInfo("30,000 lines loaded, converted and drawn: %.0f ms CPU, %lld ms wall", cpu, wall);
#ifdef NDEBUG
    // Bounded on the process's CPU time: other builds on the machine inflate the wall clock.
    QVERIFY(cpu >= 0 && cpu < 500);
#else
    QVERIFY(cpu >= 0);
#endif
  }
};

QTEST_MAIN(MainWindowSessionTest)
#include "MainWindowSessionTest.moc"
