#pragma once

#include <string>
#include <vector>

#include "settings/Settings.h"

namespace qv {

// Which of the two operator tables a rule runs for: the input table knows more rule forms and
// so treats more entries as rules instead of plain text.
enum class TableKind { Input, String };

// One row: the search text (a rule in the small rule language) and its replacement.
struct TableEntry {
  std::u16string from;
  std::u16string to;
  bool operator==(const TableEntry&) const = default;
};

// A conversion table of kConversionRows entries.
struct ConversionTable {
  TableKind kind = TableKind::Input;
  std::vector<TableEntry> entries = std::vector<TableEntry>(kConversionRows);
  bool operator==(const ConversionTable&) const = default;
};

// The working input table: empty until a set is loaded, then marked for use while files are
// read, and it stays marked.
struct WorkingInputTable {
  ConversionTable table;
  bool marked = false;
  bool operator==(const WorkingInputTable&) const = default;
};

// Input set `set` (0-based post position) of the settings; an empty table for a set outside
// the settings' columns. Column "b" holds the search texts, column "a" the replacements.
ConversionTable InputSet(const Settings& settings, int set);
// Writes a table back into input set `set`; a set outside the columns is ignored.
void StoreInputSet(Settings& settings, int set, const ConversionTable& table);
// Copies set `set` into the working table (it stays unmarked until a file is read with it).
void SelectInputSet(const Settings& settings, int set, WorkingInputTable& working);

// The string conversion table of the settings (rows missing there read as empty).
ConversionTable StringTable(const Settings& settings);
// Writes the string conversion table back into the settings' two columns.
void StoreStringTable(Settings& settings, const ConversionTable& table);

}  // namespace qv
