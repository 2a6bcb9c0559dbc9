#pragma once

#include <cstddef>
#include <string>

#include "convert/ConversionTable.h"
#include "settings/Settings.h"

namespace qv {

// Characters a field of the input table editor takes; the string table editor has no limit.
inline constexpr size_t kInputTableFieldLimit = 300;

// The data side of the two table editors ("入力変換設定", "文字列変換設定"): 40 rows of a
// search field and a replacement field, edited on a copy that OK hands back and cancel drops.
class TableEditor {
 public:
  // The editor of the working input table (fields cut to kInputTableFieldLimit).
  static TableEditor ForInputTable(const ConversionTable& table);
  // The editor of the string table (no limit).
  static TableEditor ForStringTable(const ConversionTable& table);

  // Row 0 to 39; the search field when `search`, else the replacement field.
  const std::u16string& Field(size_t row, bool search) const;
  // Sets a field, cut to the editor's limit; a row outside the table is ignored.
  void SetField(size_t row, bool search, std::u16string_view text);
  // The table as the fields show it, for OK.
  const ConversionTable& Fields() const { return fields_; }

 private:
  TableEditor(const ConversionTable& table, size_t limit) : fields_(table), limit_(limit) {}

  ConversionTable fields_;
  size_t limit_;
};

// "入力変換": input set `set` goes through the editor; `edit` plays the operator and returns
// true for OK. On OK the edited rows go back into the set and the working table. True on OK.
template <typename Edit>
bool EditInputSet(Settings& settings, int set, WorkingInputTable& working, Edit&& edit) {
  SelectInputSet(settings, set, working);
  TableEditor editor = TableEditor::ForInputTable(working.table);
  const bool accepted = edit(editor);
  if (accepted) working.table = editor.Fields();
  StoreInputSet(settings, set, working.table);
  return accepted;
}

// "変換表": the string table goes through the editor; on OK it is stored. True on OK.
template <typename Edit>
bool EditStringTable(Settings& settings, Edit&& edit) {
  TableEditor editor = TableEditor::ForStringTable(StringTable(settings));
  if (!edit(editor)) return false;
  StoreStringTable(settings, editor.Fields());
  return true;
}

}  // namespace qv
