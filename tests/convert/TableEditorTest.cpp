#include "TestSupport.h"
#include "convert/TableEditor.h"

namespace qv::test {
namespace {

TEST(TableEditorTest, OkStoresTheEditedRowsAndCancelChangesNothing) {
  Settings settings;
  settings.inputConversionB[3 * kConversionRows + 39] = u"M08";
  settings.inputConversionA[3 * kConversionRows + 39] = u"M07";
  WorkingInputTable working;
  working.marked = true;
  const Settings before = settings;

  EXPECT_FALSE(EditInputSet(settings, 3, working, [](TableEditor& editor) {
    EXPECT_EQ(editor.Field(39, true), u"M08");
    editor.SetField(0, true, u"X");
    return false;
  }));
  EXPECT_EQ(settings, before);

  const std::u16string longText(310, u'x');
  EXPECT_TRUE(EditInputSet(settings, 3, working, [&](TableEditor& editor) {
    editor.SetField(0, true, longText);
    editor.SetField(39, false, u"");
    return true;
  }));
  EXPECT_EQ(settings.inputConversionB[3 * kConversionRows], longText.substr(0, 300));
  EXPECT_EQ(settings.inputConversionA[3 * kConversionRows + 39], u"");
  EXPECT_EQ(working.table, InputSet(settings, 3));
  EXPECT_TRUE(working.marked);

  // The string table editor takes any length; its table keeps its own kind.
  EXPECT_TRUE(EditStringTable(settings, [&](TableEditor& editor) {
    editor.SetField(39, true, longText);
    return true;
  }));
  EXPECT_EQ(settings.stringConversionB.at(39), longText);
  EXPECT_EQ(StringTable(settings).kind, TableKind::String);
}

}  // namespace
}  // namespace qv::test
