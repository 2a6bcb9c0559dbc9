#include <algorithm>

#include "convert/ConversionRules.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;

// A comment runs from the line's first "(" to its first ")" (or the end), even when that ")"
// stands before the "(": then only the text after the ")" and before the "(" counts as outside.
bool OutsideComment(std::u16string_view line, size_t pos) {
  const size_t open = line.find(u'(');
  if (open == kNone) return true;
  const size_t close = std::min(line.find(u')'), line.size());
  return pos < open || pos > close;
}

bool IsTextRule(const TableEntry& entry, TableKind kind) {
  const std::u16string& from = entry.from;
  if (from.empty() || Contains(from, u"?") || Contains(from, u";")) return false;
  return kind == TableKind::String || (!Contains(from, u"\"") && !Contains(from, u"_"));
}

bool IsValueCharacter(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
}

// Removes every occurrence of word, then the value at the first one.
void DeleteWord(std::u16string_view word, std::u16string& line) {
  const size_t first = line.find(word);
  if (first == kNone || !OutsideComment(line, first)) return;
  ReplaceAll(line, word, u"");
  size_t end = first;
  while (end < line.size() && IsValueCharacter(line[end])) ++end;
  line.erase(first, end - first);
}

}  // namespace

LineRules::LineRules(const ConversionTable& table) {
  for (const TableEntry& entry : table.entries) {
    if (IsTextRule(entry, table.kind)) textRules_.push_back(&entry);
    const size_t mark = entry.from.find(u'?');
    if (mark == kNone || mark == 0) continue;
    if (table.kind == TableKind::Input && Contains(entry.from, u"\"")) continue;
    deletedWords_.push_back(std::u16string_view(entry.from).substr(0, mark));
  }
}

void LineRules::Apply(std::u16string& line) const {
  std::vector<std::u16string_view> applied;
  for (const TableEntry* entry : textRules_) {
    const size_t first = line.find(entry->from);
    if (first == kNone) continue;
    // A text just written by an earlier entry is not converted again.
    if (std::find(applied.begin(), applied.end(), entry->from) != applied.end()) continue;
    if (!OutsideComment(line, first)) continue;
    ReplaceAll(line, entry->from, entry->to);
    applied.push_back(entry->to);
  }
  for (const std::u16string_view word : deletedWords_) DeleteWord(word, line);
}

void ApplyTableToLine(const ConversionTable& table, std::u16string& line) {
  LineRules(table).Apply(line);
}

void ApplyProgramRules(const ConversionTable& table, std::vector<std::u16string>& lines) {
  ApplyPairRules(table, lines);
  ApplyConditionalRules(table, lines);
  ApplyMoveRules(table, lines);
  ApplyLineRules(table, lines);
}

std::vector<std::u16string> ApplyStringTable(const ConversionTable& table,
                                             const std::vector<std::u16string>& sourceLines) {
  const LineRules rules(table);
  std::vector<std::u16string> output;
  output.reserve(sourceLines.size());
  for (const std::u16string& source : sourceLines) {
    std::u16string line = source;
    rules.Apply(line);
    if (!line.empty()) output.push_back(std::move(line));
  }
  ApplyPairRules(table, output);
  return output;
}

}  // namespace qv
