// The GUI host and the Qt user interaction, wired to real widgets (offscreen).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "ModalDriver.h"
#include "app/CQuorvalenApp.h"
#include "gui/GuiHost.h"
#include "gui/MainWindow.h"
#include "nctext/ProfileFile.h"
#include "platform/InstanceChannel.h"
#include "platform/SystemFiles.h"
#include "settings/SettingsFile.h"

namespace {

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }

// What a message box showed: caption, text, icon and the pressed button's caption.
struct Shown {
  QString caption;
  std::u16string text;
  QMessageBox::Icon icon;
  std::u16string button;
  bool operator==(const Shown&) const = default;
};

// Notes what the next message box shows, then presses its button.
void Answering(QMessageBox::StandardButton button, std::vector<Shown>& shown) {
  OnNextModal([button, &shown](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr) {
      widget->close();
      return;
    }
    QAbstractButton* pressed = box->button(button);
    shown.push_back(
        {box->windowTitle(), box->text().toStdU16String(), box->icon(), Utf16(pressed->text())});
    pressed->click();
  });
}

// A first start with the window, in a program folder and a runtime folder of its own.
struct FirstStart {
  FirstStart() { QDir(home.path()).mkdir(QStringLiteral("System")); }
  std::string Socket() const {
    return qv::InstanceSocketPath(runtime.path().toStdString(), qv::kInstanceMutexName);
  }
  QTemporaryDir home;
  QTemporaryDir runtime;
  int argc = 0;
  qv::GuiToolkit toolkit{argc, nullptr};
  qv::GuiHost host{toolkit};
  qv::CQuorvalenApp app{host, {Utf16(home.path()), runtime.path().toStdString()}};
};

}  // namespace

class GuiHostTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowClosesOnACloseRequestForItsOwnTitle() {
    FirstStart start;
    qv::CQuorvalenApp& app = start.app;
    const std::u16string ini = qv::SettingsPath(qv::SystemFiles(Utf16(start.home.path())));
    const std::string socket = start.Socket();
    const std::u16string title = Utf16(qv::MainWindowTitle());
    std::u16string announced;
    bool openAfterOtherTitle = false;
    std::vector<QString> asked;
    OnceShown(ShownMainWindow, [&](QWidget* window) {
      announced = qv::ReadProfileString(ini, u"Forwarding", u"Name", u"");
      qv::SendCloseRequest(socket, u"another window");
      QTimer::singleShot(200, window, [&, window] {
        openAfterOtherTitle = window->isVisible();
        // The close path asks before it closes.
        AnswerNext(QMessageBox::Ok, asked);
        qv::SendCloseRequest(socket, title);
      });
    });
    QCOMPARE(app.Run(u""), 0);
    QCOMPARE(announced, title);
    QVERIFY(openAfterOtherTitle);
    QCOMPARE(asked, std::vector<QString>{QStringLiteral(u"終了しますか？")});
    // Closed by the request, the dialog ends as cancelled, which saves the settings.
    QCOMPARE(qv::ReadProfileString(ini, u"Quorvalen_Data", u"Version", u""),
             std::u16string(u"1.69"));
  }

  // A request that arrives while a box is open waits for the box: the close path must not run in
  // the middle of a question or an output.
  void aCloseRequestWaitsWhileABoxIsOpen() {
    FirstStart start;
    qv::CQuorvalenApp& app = start.app;
    const std::string socket = start.Socket();
    bool boxStayedOnTop = false;
    std::vector<QString> asked;
    OnceShown(ShownMainWindow, [&](QWidget* window) {
      QTimer::singleShot(0, window, [&, window] {
        QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("busy"),
                        QMessageBox::Ok, window);
        QTimer::singleShot(0, &box,
                           [&] { qv::SendCloseRequest(socket, Utf16(qv::MainWindowTitle())); });
        QTimer::singleShot(400, &box, [&] {
          boxStayedOnTop = QApplication::activeModalWidget() == &box;
          AnswerNext(QMessageBox::Ok, asked);
          box.accept();
        });
        box.exec();
      });
    });
    QCOMPARE(app.Run(u""), 0);
    QVERIFY(boxStayedOnTop);
    QCOMPARE(asked, std::vector<QString>{QStringLiteral(u"終了しますか？")});
  }

  void messagesAndQuestionsShowTheirKindAndReturnTheButton() {
    int argc = 0;
    qv::GuiToolkit toolkit(argc, nullptr);
    qv::QtInteraction interaction(toolkit);
    std::vector<Shown> shown;
    Answering(QMessageBox::Ok, shown);
    interaction.ShowMessage({qv::MessageKind::Exclamation, u"出力できません", u"Drevmark"});
    Answering(QMessageBox::Yes, shown);
    QCOMPARE(interaction.Ask({qv::QuestionKind::YesNo, u"変換しますか？", u""}), qv::Answer::Yes);
    Answering(QMessageBox::Cancel, shown);
    QCOMPARE(interaction.Ask({qv::QuestionKind::OkCancel, u"破棄しますか？", u""}),
             qv::Answer::Cancel);
    // Qt's own button captions are Japanese too; an empty caption is the program's own.
    QCOMPARE(shown, (std::vector<Shown>{
                        {"Drevmark", u"出力できません", QMessageBox::Warning, u"OK"},
                        {"Drevmark", u"変換しますか？", QMessageBox::Question, u"はい(&Y)"},
                        {"Drevmark", u"破棄しますか？", QMessageBox::Warning, u"キャンセル"}}));
    interaction.SetWaitCursor(true);
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    interaction.SetWaitCursor(false);
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void fileDialogStartsOnTheGivenFilterAndReturnsTheChoice() {
    QTemporaryDir folder;
    int argc = 0;
    qv::GuiToolkit toolkit(argc, nullptr);
    qv::QtInteraction interaction(toolkit);
    const QString chosen = folder.filePath(QStringLiteral("out.NC"));
    QStringList filters;
    QString selectedFilter;
    bool asksItself = true;
    OnNextModal([&](QWidget* widget) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog == nullptr) {
        widget->close();
        return;
      }
      filters = dialog->nameFilters();
      selectedFilter = dialog->selectedNameFilter();
      asksItself = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
      AcceptFile(dialog, chosen);
    });
    const qv::FileDialog request{qv::FileDialogKind::Save,
                                 Utf16(folder.path()),
                                 u"",
                                 {{u"全てのﾌｧｲﾙ(*.*)", u"*.*"}, {u"*.NC", u"*.NC;*.NCD"}},
                                 2};
    const auto choice = interaction.ChooseFile(request);
    QVERIFY(!asksItself);
    QCOMPARE(filters, QStringList({QStringLiteral(u"全てのﾌｧｲﾙ(*.*) (*)"),
                                   QStringLiteral("*.NC (*.NC *.NCD)")}));
    QCOMPARE(selectedFilter, QStringLiteral("*.NC (*.NC *.NCD)"));
    QVERIFY(choice.has_value());
    QCOMPARE(*choice, (qv::FileChoice{Utf16(chosen), 2}));
  }
};

QTEST_MAIN(GuiHostTest)
#include "GuiHostTest.moc"
