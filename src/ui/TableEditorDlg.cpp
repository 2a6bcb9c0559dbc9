#include "ui/TableEditorDlg.h"

#include "settings/SettingsFile.h"

namespace qv {

void TableEditorDlg::Open() { view_.ShowRows(Editor().Fields(), FieldLimit()); }

bool TableEditorDlg::Ok() {
  TableEditor editor = Editor();
  const ConversionTable typed = view_.Rows();
  for (size_t row = 0; row < typed.entries.size(); ++row) {
    editor.SetField(row, true, typed.entries[row].from);
    editor.SetField(row, false, typed.entries[row].to);
  }
  const ConversionTable before = Stored();
  Store(editor.Fields());
  if (SaveSettings(settings_) < 0) {
    Store(before);
    interaction_.ShowMessage({MessageKind::Exclamation, kTableSaveFailed, kMessageCaption});
    return false;
  }
  return true;
}

CMaeHenkan::CMaeHenkan(Settings& settings, int set, WorkingInputTable& working,
                       UserInteraction& interaction, TableEditorView& view)
    : TableEditorDlg(settings, interaction, view, kInputTableTitle), set_(set), working_(working) {
  SelectInputSet(settings, set, working);
}

void CMaeHenkan::Store(const ConversionTable& table) {
  working_.table = table;
  StoreInputSet(settings_, set_, table);
}

}  // namespace qv
