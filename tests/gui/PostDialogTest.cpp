// The post editor and special code II windows wired to their logic (offscreen): filled from the
// files, typed input saved through OK, cancel leaving every file as it was.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Screenshot.h"
#include "gui/PostEditorDialog.h"
#include "gui/SpecialCodeDialog.h"
#include "platform/Codec.h"
#include "post/CNcPostFile.h"
#include "post/PostFileSamples.h"

namespace {

using qv::test::Lines;

// Records messages; asks nothing.
class RecordingInteraction : public qv::UserInteraction {
 public:
  void ShowMessage(const qv::Message& message) override { messages.push_back(message.text); }
  qv::Answer Ask(const qv::Question& question) override { return qv::SafeAnswer(question.kind); }
  std::optional<qv::FileChoice> ChooseFile(const qv::FileDialog&) override { return {}; }
  void SetWaitCursor(bool) override {}
  std::vector<std::u16string> messages;
};

const std::string kUnused = "[POST Not Use Post Data Don't Select]";
// Line of template t (1-based) of the single post with one material and thickness.
constexpr size_t kTemplateLine = 11;

std::string Bytes(const std::u16string& path) {
  QFile file(QString::fromStdU16String(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

// Runs act on the next modal dialog as soon as it shows.
void OnNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start(10);
}

}  // namespace

class PostDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QDir(folder_->path()).mkdir(QStringLiteral("System"));
    files_ = std::make_unique<qv::SystemFiles>(folder_->path().toStdU16String());
    postFile_ = qv::test::PostFileLines({{"P1", {{"M1", {"1.0"}}}}});
    qv::test::WriteLines(PostPath(), postFile_);
    Lines codes = {"P1", "61"};
    for (int i = 1; i <= 61; ++i)
      codes.push_back("M" + std::to_string(i) + " T" + std::to_string(i));
    for (int i = 0; i < 9; ++i) codes.insert(codes.end(), {kUnused, "0"});
    codeFile_ = codes;
    qv::test::WriteLines(CodePath(), codeFile_);
    store_ = qv::PostStore{};
    store_.post = {u"P1", u"P1"};
    store_.material = {u"M1", u"M1"};
    store_.thickness = {u"1.0", u"1.0"};
    qv::CNcPostFile file(store_, *files_);
    file.SetPostNames(u"P1", u"P1");
    file.SetMaterialNames(u"M1", u"M1");
    file.SetThicknessNames(u"1.0", u"1.0");
    QCOMPARE(file.Load(qv::PostLoadMode::StartUp), qv::PostFileStatus::Ok);
  }

  void postEditorOpensFilledAndSavesTypedInputThroughOk() {
    store_.record.headLine2 = u"(cut by laser)";
    qv::PostEditorDialog dialog(store_, *files_, interaction_, u"P1");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(u"ポスト編集"));
    QCOMPARE(Edit(dialog, "headLine1a")->text(), QStringLiteral("P1 T9"));
    QVERIFY(Edit(dialog, "headLine1b")->isReadOnly());
    QCOMPARE(Edit(dialog, "lineCodeFrom1")->text(), QStringLiteral("P1 LF1"));
    // Only typed letters turn upper case: the loaded text is shown and saved as it was.
    QCOMPARE(Edit(dialog, "headLine2")->text(), QStringLiteral("(cut by laser)"));
    Edit(dialog, "headLine2")->setFocus();
    QTest::keyClicks(Edit(dialog, "headLine2"), QStringLiteral("x1"));
    Edit(dialog, "headLine2")->setCursorPosition(1);
    QTest::keyClicks(Edit(dialog, "headLine2"), QStringLiteral("c"));
    QCOMPARE(Edit(dialog, "headLine2")->text(), QStringLiteral("(Ccut by laser)X1"));
    // The tab order follows the groups: templates top to bottom, then each code list by rows.
    const char* order[] = {
        "headLine1a",    "headLine1b",     "headLine2",     "coordinateSettingLine",
        "punchPosition", "punchCondition", "punchLine3",    "markPosition",
        "markCondition", "markShapeLine",  "cutPosition",   "cutCondition",
        "cutShapeLine",  "endPart",        "lineCodeFrom1", "lineCodeTo1",
        "lineCodeFrom2"};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
      QCOMPARE(NextTabStop(Edit(dialog, order[i])), Edit(dialog, order[i + 1]));
    }
    QCOMPARE(NextTabStop(Edit(dialog, "lineCodeTo20")), Edit(dialog, "stringCodeFrom1"));
    SaveScreenshot(dialog, QStringLiteral("post-editor"));

    Retype(dialog, "endPart", "m02(end)");
    Retype(dialog, "lineCodeFrom20", "m30");
    QCOMPARE(Edit(dialog, "endPart")->text(), QStringLiteral("M02(END)"));
    QCOMPARE(Edit(dialog, "lineCodeFrom20")->text(), QStringLiteral("m30"));
    Button(dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    Lines expected = postFile_;
    expected[kTemplateLine + 11] = "(Ccut by laser)X1";
    expected[kTemplateLine + 15] = "M1/1.0/6";
    expected[kTemplateLine + 19] = "M1/1.0/8";
    expected[kTemplateLine + 24] = "[CUT-FIG-CONDITION]";
    expected[kTemplateLine + 28] = "M02(END)";
    expected[kTemplateLine + 28 + 20] = "m30";
    QCOMPARE(qv::test::ReadLines(PostPath()), expected);
  }

  void cancelAndClosingLeaveEveryFileByteIdentical() {
    const std::string post = Bytes(PostPath());
    const std::string codes = Bytes(CodePath());
    for (const bool byButton : {true, false}) {
      qv::PostEditorDialog dialog(store_, *files_, interaction_, u"P1");
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      Retype(dialog, "headLine2", "g90");
      if (byButton) {
        Button(dialog, "cancelButton")->click();
      } else {
        dialog.close();
      }
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(store_.record.headLine2, std::u16string(u"P1 T11"));

      qv::SpecialCodeDialog codesDialog(*files_, interaction_, u"P1");
      codesDialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&codesDialog));
      Retype(codesDialog, "from1", "X");
      Button(codesDialog, "nextButton")->click();
      if (byButton) {
        Button(codesDialog, "cancelButton")->click();
      } else {
        codesDialog.close();
      }
      QCOMPARE(codesDialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(Bytes(PostPath()), post);
    QCOMPARE(Bytes(CodePath()), codes);
  }

  void specialCodesButtonRunsTheListedPostsPairs() {
    qv::PostEditorDialog dialog(store_, *files_, interaction_, u"P1");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QString shownTitle;
    QString firstFrom;
    OnNextModal([&](QWidget* modal) {
      shownTitle = modal->windowTitle();
      firstFrom = Edit(*modal, "from1")->text();
      SaveActiveModal(QStringLiteral("special-codes-from-post-editor"));
      qobject_cast<QDialog*>(modal)->reject();
    });
    Button(dialog, "specialCodesButton")->click();
    QCOMPARE(shownTitle, QStringLiteral(u"特殊変換コードⅡ"));
    QCOMPARE(firstFrom, QStringLiteral("M1"));
    QVERIFY(dialog.isVisible());
    dialog.reject();
  }

  void specialCodeDialogPagesAndSavesThroughOk() {
    qv::SpecialCodeDialog dialog(*files_, interaction_, u"P1");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(PageText(dialog), QStringLiteral("1/2"));
    QCOMPARE(Edit(dialog, "to60")->text(), QStringLiteral("T60"));
    SaveScreenshot(dialog, QStringLiteral("special-codes-page-1"));
    Button(dialog, "nextButton")->click();
    QCOMPARE(PageText(dialog), QStringLiteral("2/2"));
    QCOMPARE(Edit(dialog, "from1")->text(), QStringLiteral("M61"));
    Retype(dialog, "from2", "g 28");
    Retype(dialog, "to2", "x");
    SaveScreenshot(dialog, QStringLiteral("special-codes-page-2"));
    Button(dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(interaction_.messages.empty());

    Lines expected = codeFile_;
    expected[1] = "62";
    expected.insert(expected.begin() + 2 + 61, "g28 x");
    QCOMPARE(qv::test::ReadLines(CodePath()), expected);
  }

 private:
  std::u16string PostPath() const { return files_->System(u"Quorvalen.pst"); }
  std::u16string CodePath() const { return files_->System(u"Quorvalen1.pst"); }
  static QLineEdit* Edit(QWidget& dialog, const char* name) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (edit == nullptr) qFatal("no field %s", name);
    return edit;
  }
  static QPushButton* Button(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button == nullptr) qFatal("no button %s", name);
    return button;
  }
  static void Retype(QWidget& dialog, const char* name, const char* typed) {
    QLineEdit* edit = Edit(dialog, name);
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(typed));
  }
  static QWidget* NextTabStop(QWidget* widget) {
    do {
      widget = widget->nextInFocusChain();
    } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
    return widget;
  }
  static QString PageText(QWidget& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("pageNumber"))->text() + QStringLiteral("/") +
           dialog.findChild<QLabel*>(QStringLiteral("pageCount"))->text();
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<qv::SystemFiles> files_;
  qv::PostStore store_;
  RecordingInteraction interaction_;
  Lines postFile_;
  Lines codeFile_;
};

QTEST_MAIN(PostDialogTest)
#include "PostDialogTest.moc"
