#include "convert/ConversionTable.h"

namespace qv {
namespace {

bool SetInRange(const Settings& settings, int set) {
  const size_t end = static_cast<size_t>(set + 1) * kConversionRows;
  return set >= 0 && end <= settings.inputConversionA.size() &&
         end <= settings.inputConversionB.size();
}

}  // namespace

ConversionTable InputSet(const Settings& settings, int set) {
  ConversionTable table;
  if (!SetInRange(settings, set)) return table;
  for (int row = 0; row < kConversionRows; ++row) {
    const size_t cell = static_cast<size_t>(set) * kConversionRows + row;
    table.entries[row] = {settings.inputConversionB[cell], settings.inputConversionA[cell]};
  }
  return table;
}

void StoreInputSet(Settings& settings, int set, const ConversionTable& table) {
  if (!SetInRange(settings, set)) return;
  for (int row = 0; row < kConversionRows; ++row) {
    const size_t cell = static_cast<size_t>(set) * kConversionRows + row;
    settings.inputConversionB[cell] = table.entries[row].from;
    settings.inputConversionA[cell] = table.entries[row].to;
  }
}

void SelectInputSet(const Settings& settings, int set, WorkingInputTable& working) {
  working.table = InputSet(settings, set);
}

ConversionTable StringTable(const Settings& settings) {
  ConversionTable table;
  table.kind = TableKind::String;
  for (size_t row = 0; row < table.entries.size(); ++row) {
    if (row < settings.stringConversionB.size()) {
      table.entries[row].from = settings.stringConversionB[row];
    }
    if (row < settings.stringConversionA.size()) {
      table.entries[row].to = settings.stringConversionA[row];
    }
  }
  return table;
}

void StoreStringTable(Settings& settings, const ConversionTable& table) {
  settings.stringConversionA.assign(table.entries.size(), u"");
  settings.stringConversionB.assign(table.entries.size(), u"");
  for (size_t row = 0; row < table.entries.size(); ++row) {
    settings.stringConversionB[row] = table.entries[row].from;
    settings.stringConversionA[row] = table.entries[row].to;
  }
}

}  // namespace qv
