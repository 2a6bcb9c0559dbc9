#include "convert/TableEditor.h"

namespace qv {

TableEditor TableEditor::ForInputTable(const ConversionTable& table) {
  return TableEditor(table, kInputTableFieldLimit);
}

TableEditor TableEditor::ForStringTable(const ConversionTable& table) {
  return TableEditor(table, std::u16string::npos);
}

const std::u16string& TableEditor::Field(size_t row, bool search) const {
  const TableEntry& entry = fields_.entries.at(row);
  return search ? entry.from : entry.to;
}

void TableEditor::SetField(size_t row, bool search, std::u16string_view text) {
  if (row >= fields_.entries.size()) return;
  TableEntry& entry = fields_.entries[row];
  (search ? entry.from : entry.to) = std::u16string(text.substr(0, limit_));
}

}  // namespace qv
