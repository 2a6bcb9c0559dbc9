#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "settings/SettingsFile.h"
#include "ui/TableEditorDlg.h"

namespace qv::test {
namespace {

class FakeTableView : public TableEditorView {
 public:
  void ShowRows(const ConversionTable& table, size_t fieldLimit) override {
    rows = table;
    limit = fieldLimit;
  }
  ConversionTable Rows() const override { return rows; }

  ConversionTable rows;
  size_t limit = 0;
};

class TableEditorDlgTest : public ::testing::Test {
 protected:
  TableEditorDlgTest() {
    std::filesystem::create_directory(dir_.Path() + "/System");
    EXPECT_EQ(LoadSettings(settings_, files_), 0);
    settings_.inputConversionB[2 * kConversionRows] = u"M08";  // set 3, row 1
    settings_.inputConversionA[2 * kConversionRows] = u"M07";
    EXPECT_EQ(SaveSettings(settings_), 0);
  }
  // The settings as a fresh start reads them from the file.
  Settings Reloaded() const {
    Settings settings;
    LoadSettings(settings, files_);
    LoadInputConversionTables(settings, 10, 169);
    return settings;
  }

  TempDir dir_;
  SystemFiles files_{FromUtf8(dir_.Path())};
  Settings settings_;
  WorkingInputTable working_;
  ScriptedInteraction interaction_;
  FakeTableView view_;
};

TEST_F(TableEditorDlgTest, InputEditorEditsTheSetAndOkSavesItCut) {
  CMaeHenkan dialog(settings_, 2, working_, interaction_, view_);
  dialog.Open();
  EXPECT_EQ(dialog.Title(), u"入力変換設定");
  EXPECT_EQ(view_.limit, 300u);
  EXPECT_EQ(view_.rows.entries[0], (TableEntry{u"M08", u"M07"}));

  view_.rows.entries[39] = {std::u16string(301, u'Z'), u"X"};
  ASSERT_TRUE(dialog.Ok());
  const TableEntry cut{std::u16string(300, u'Z'), u"X"};
  EXPECT_EQ(working_.table.entries[39], cut);
  EXPECT_EQ(InputSet(Reloaded(), 2).entries[39], cut);
  EXPECT_EQ(InputSet(Reloaded(), 2).entries[0], (TableEntry{u"M08", u"M07"}));
}

TEST_F(TableEditorDlgTest, CancelChangesNeitherTheSettingsNorTheFile) {
  const std::string before = ReadBytes(settings_.profilePath);
  const Settings kept = settings_;
  CMojiretuHenkan dialog(settings_, interaction_, view_);
  dialog.Open();
  // What the settings file gives back on the next start, and no more.
  EXPECT_EQ(view_.limit, kProfileBufferSize - 1);
  view_.rows.entries[0] = {u"A", u"B"};
  EXPECT_TRUE(dialog.Cancel());
  EXPECT_EQ(settings_, kept);
  EXPECT_EQ(ReadBytes(settings_.profilePath), before);
}

TEST_F(TableEditorDlgTest, StringEditorOkSavesAndAFailedSaveIsToldAndUndone) {
  CMojiretuHenkan dialog(settings_, interaction_, view_);
  dialog.Open();
  view_.rows.entries[4] = {u"F?", u""};
  ASSERT_TRUE(dialog.Ok());
  EXPECT_EQ(StringTable(Reloaded()).entries[4].from, u"F?");

  const Settings kept = settings_;
  const std::u16string file = settings_.profilePath;
  settings_.profilePath = FromUtf8(dir_.Path());  // a folder cannot be read as a settings file
  view_.rows.entries[5] = {u"G04=M99", u""};
  EXPECT_FALSE(dialog.Ok());
  ASSERT_EQ(interaction_.messages.size(), 1u);
  EXPECT_EQ(interaction_.messages[0].text, kTableSaveFailed);
  EXPECT_EQ(interaction_.messages[0].caption, u"Drevmark");
  EXPECT_EQ(StringTable(settings_), StringTable(kept));
  EXPECT_EQ(view_.rows.entries[5].from, u"G04=M99");  // the rows stay for another try
  settings_.profilePath = file;
  ASSERT_TRUE(dialog.Ok());
  EXPECT_EQ(StringTable(Reloaded()).entries[5].from, u"G04=M99");
}

}  // namespace
}  // namespace qv::test
