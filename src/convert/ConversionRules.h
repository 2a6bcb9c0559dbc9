#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/ConversionTable.h"

namespace qv {

// The per-line rules of a table, entries in order: plain text replacement (skipped when the
// first occurrence is inside the line's comment, or when the text is a replacement already
// made on this line), then word deletion ("F?" removes F and the number after it).
void ApplyTableToLine(const ConversionTable& table, std::u16string& line);

// The per-line rules sorted out of a table once, for every line of a program. The table must
// outlive it.
class LineRules {
 public:
  explicit LineRules(const ConversionTable& table);
  // ApplyTableToLine with the table given at construction.
  void Apply(std::u16string& line) const;

 private:
  std::vector<const TableEntry*> textRules_;
  std::vector<std::u16string_view> deletedWords_;
};

// Consecutive-line rules: "A=B" empties a line holding A and the next one holding B, then
// "A;B" joins such a pair into the first line. The string table drops the lines it emptied;
// the input table leaves them empty.
void ApplyPairRules(const ConversionTable& table, std::vector<std::u16string>& lines);

// "D_C_A" (or "D_C", A being D): after a line that starts the rule with D, the first C of each
// line becomes A until D is met again. The inserted text is marked while the rules run, and
// every underscore-delimited run of every line is removed at the end.
void ApplyConditionalRules(const ConversionTable& table, std::vector<std::u16string>& lines);

// "D\E\C": E leaves a line holding D and E and goes in front of the next line holding C.
void ApplyMoveRules(const ConversionTable& table, std::vector<std::u16string>& lines);

// "\"text\"": every line equal to text becomes the replacement.
void ApplyLineRules(const ConversionTable& table, std::vector<std::u16string>& lines);

// The input table's program-level rules, in their order of use, after a file was read.
void ApplyProgramRules(const ConversionTable& table, std::vector<std::u16string>& lines);

// The string-only conversion: the per-line rules on a copy of every source line, the lines
// left non-empty, then the pair rules over them.
std::vector<std::u16string> ApplyStringTable(const ConversionTable& table,
                                             const std::vector<std::u16string>& sourceLines);

}  // namespace qv
