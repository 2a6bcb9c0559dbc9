#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "Screenshot.h"
#include "gui/AboutDialog.h"
#include "gui/NcMCEditDialog.h"
#include "gui/ParameterDialog.h"
#include "gui/TableEditorDialog.h"
#include "gui/UnconvertibleDialog.h"
#include "platform/SilentInteraction.h"
#include "post/PostFileSamples.h"
#include "settings/SettingsFile.h"

using qv::test::Lines;

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QLatin1String(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces a field's text as the operator types it.
void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

Lines SampleFile() {
  return qv::test::PostFileLines({{"P1", {{"SUS", {"1.0", "2.0"}}}}, {"P2", {{"AL", {"3.0"}}}}});
}

}  // namespace

class McDialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  qv::SystemFiles files_{u""};
  qv::SilentInteraction interaction_;

  QString PostPath() const { return dir_.filePath(QStringLiteral("System/Quorvalen.pst")); }
  qv::PostStore SelectedStore() {
    qv::PostStore store;
    store.post = {u"P1", u"P1"};
    store.material = {u"SUS", u"SUS"};
    store.thickness = {u"2.0", u"2.0"};
    return store;
  }

 private slots:
  void init() {
    QDir(dir_.path()).mkpath(QStringLiteral("System"));
    files_ = qv::SystemFiles(dir_.path().toStdU16String());
    qv::test::WriteLines(PostPath().toStdU16String(), SampleFile());
  }

  void conditionEditorOpensFilledTakesTypedInputAndSaves() {
    qv::PostStore store = SelectedStore();
    qv::NcMCEditDialog dialog(store, files_, interaction_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SaveScreenshot(dialog, QStringLiteral("mc_edit"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(u"加工条件編集"));
    QCOMPARE(Child<QLineEdit>(dialog, "material")->text(), QStringLiteral("SUS"));
    QVERIFY(Child<QLineEdit>(dialog, "material")->isReadOnly());
    QCOMPARE(Child<QLineEdit>(dialog, "variable0")->text(), QStringLiteral("SUS/2.0/1"));
    QCOMPARE(Child<QLineEdit>(dialog, "marking2")->text(), QStringLiteral("SUS/2.0/9"));
    QCOMPARE(Child<QLineEdit>(dialog, "arcRadius2")->text(), QStringLiteral("SUS/2.0/22"));
    QVERIFY(Child<QRadioButton>(dialog, "chutePresent")->isChecked());
    QVERIFY(!Child<QLineEdit>(dialog, "chuteCode")->isReadOnly());
    QCOMPARE(Child<QLineEdit>(dialog, "longSide0")->alignment() & Qt::AlignRight, Qt::AlignRight);

    QTest::mouseClick(Child<QRadioButton>(dialog, "chuteNone"), Qt::LeftButton);
    QVERIFY(Child<QLineEdit>(dialog, "chuteCode")->isReadOnly());
    Type(Child<QLineEdit>(dialog, "variable3"), QStringLiteral("d7x"));
    QCOMPARE(Child<QLineEdit>(dialog, "variable3")->text(), QStringLiteral("D7X"));
    Type(Child<QLineEdit>(dialog, "lineLength1"), QStringLiteral("12.5"));
    Child<QCheckBox>(dialog, "conditionIsModal")->setChecked(false);
    QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    Lines expected = SampleFile();
    size_t head = 0;
    while (!expected[head].starts_with("HeadManuCond \"SUS\" \"2.0\"")) ++head;
    expected[head] = "HeadManuCond \"SUS\" \"2.0\" 0 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0";
    expected[head + 4] = "D7X";
    expected[head + 18] = "12.5";
    expected[head + 31] = "0";
    QVERIFY(qv::test::ReadLines(PostPath().toStdU16String()) == expected);
  }

  void conditionEditorTabOrderFollowsTheGroups() {
    qv::PostStore store = SelectedStore();
    qv::NcMCEditDialog dialog(store, files_, interaction_);
    QStringList order;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
      if (qobject_cast<QLineEdit*>(w) != nullptr) order << w->objectName();
    }
    QStringList expected = {"material",  "thickness", "variable0", "variable1",
                            "variable2", "variable3", "punch0",    "punch1",
                            "marking0",  "marking2",  "marking1",  "cutSource"};
    for (int i = 0; i < 4; ++i) {
      expected << QStringLiteral("shapeCode%1").arg(i);
      if (i < 3) expected << QStringLiteral("longSide%1").arg(i);
    }
    for (int i = 0; i < 4; ++i) {
      expected << QStringLiteral("elementCode%1").arg(i);
      if (i < 3)
        expected << QStringLiteral("lineLength%1").arg(i) << QStringLiteral("arcRadius%1").arg(i);
    }
    expected << "chuteCode"
             << "chuteMinLength";
    QCOMPARE(order, expected);
  }

  void conditionEditorCancelAndCloseLeaveTheFile() {
    const QByteArray before = Bytes(PostPath());
    qv::PostStore store = SelectedStore();
    {
      qv::NcMCEditDialog dialog(store, files_, interaction_);
      dialog.show();
      QTest::mouseClick(Child<QRadioButton>(dialog, "chuteNone"), Qt::LeftButton);
      Type(Child<QLineEdit>(dialog, "punch0"), QStringLiteral("X"));
      QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(store.condition.workChute, 1);
    {
      qv::NcMCEditDialog dialog(store, files_, interaction_);
      dialog.show();
      Type(Child<QLineEdit>(dialog, "punch0"), QStringLiteral("X"));
      dialog.close();
    }
    QCOMPARE(Bytes(PostPath()), before);
  }

  void unconvertibleListShowsHeadAndEntriesOrOnlyWritesTheResult() {
    const std::vector<std::u16string> entries = {u"    12  G65P9001"};
    QStringList written;
    const auto writer = [&](const std::u16string& line) {
      written << QString::fromStdU16String(line);
    };
    qv::UnconvertibleDialog shown(1, entries, false, writer);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    SaveScreenshot(shown, QStringLiteral("unconvertible"));
    QCOMPARE(shown.windowTitle(), QStringLiteral(u"変換不可データ"));
    auto* list = Child<QListWidget>(shown, "unconvertibleList");
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(5)->text(), QStringLiteral("    12  G65P9001"));
    QTest::mouseClick(Child<QPushButton>(shown, "okButton"), Qt::LeftButton);
    QVERIFY(!shown.isVisible());
    QVERIFY(written.isEmpty());

    qv::UnconvertibleDialog automatic(1, entries, true, writer);
    QCOMPARE(automatic.exec(), int(QDialog::Accepted));
    QCOMPARE(written.size(), 1);
    QVERIFY(written[0].startsWith(QStringLiteral(u"112 変換できないマクロまたはコードが 1 個")));
  }

  void parameterDialogStoresOnlyOnOk() {
    qv::Settings settings;
    settings.crtSize = 1;
    {
      qv::ParameterDialog dialog(settings);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      SaveScreenshot(dialog, QStringLiteral("parameter"));
      QCOMPARE(dialog.windowTitle(), QStringLiteral(u"パラメータ"));
      auto* combo = Child<QComboBox>(dialog, "resolution");
      QCOMPARE(combo->count(), 4);
      QCOMPARE(combo->currentIndex(), 1);
      QCOMPARE(Child<QLabel>(dialog, "versionLine")->text(),
               QStringLiteral("Drevmark version 1.69"));
      combo->setCurrentIndex(3);
      QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    }
    QCOMPARE(settings.crtSize, 3);
    qv::ParameterDialog dialog(settings);
    dialog.show();
    Child<QComboBox>(dialog, "resolution")->setCurrentIndex(0);
    QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(settings.crtSize, 3);
  }

  void aboutBoxShowsTheVersion() {
    qv::AboutDialog dialog(u"1.69");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SaveScreenshot(dialog, QStringLiteral("about"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(u"ﾊﾞｰｼﾞｮﾝ情報 Drevmark"));
    QCOMPARE(Child<QLabel>(dialog, "versionLine")->text(), QStringLiteral("Drevmark version 1.69"));
    QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  }

  void tableEditorsSaveOnOkAndLeaveTheFileOnCancel() {
    qv::Settings settings;
    QCOMPARE(qv::LoadSettings(settings, files_), 0);
    QCOMPARE(qv::SaveSettings(settings), 0);
    qv::WorkingInputTable working;
    {
      qv::TableEditorDialog input(settings, 1, working, interaction_);
      input.show();
      QVERIFY(QTest::qWaitForWindowExposed(&input));
      SaveScreenshot(input, QStringLiteral("input_table"));
      QCOMPARE(input.windowTitle(), QStringLiteral(u"入力変換設定"));
      QCOMPARE(Child<QLineEdit>(input, "from0")->maxLength(), 300);
      Type(Child<QLineEdit>(input, "from0"), QStringLiteral("M08"));
      Type(Child<QLineEdit>(input, "to0"), QStringLiteral("M07"));
      QTest::mouseClick(Child<QPushButton>(input, "okButton"), Qt::LeftButton);
      QCOMPARE(input.result(), int(QDialog::Accepted));
    }
    qv::Settings reloaded;
    qv::LoadSettings(reloaded, files_);
    qv::LoadInputConversionTables(reloaded, 10, 169);
    QVERIFY(qv::InputSet(reloaded, 1).entries[0] == (qv::TableEntry{u"M08", u"M07"}));

    const QByteArray before = Bytes(QString::fromStdU16String(settings.profilePath));
    qv::TableEditorDialog strings(settings, interaction_);
    strings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strings));
    SaveScreenshot(strings, QStringLiteral("string_table"));
    QCOMPARE(strings.windowTitle(), QStringLiteral(u"文字列変換設定"));
    Type(Child<QLineEdit>(strings, "from3"), QStringLiteral("F?"));
    QTest::mouseClick(Child<QPushButton>(strings, "cancelButton"), Qt::LeftButton);
    QCOMPARE(Bytes(QString::fromStdU16String(settings.profilePath)), before);
    QVERIFY(qv::StringTable(settings).entries[3].from.empty());
  }
};

QTEST_MAIN(McDialogsTest)
#include "McDialogsTest.moc"
