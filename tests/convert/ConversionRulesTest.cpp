#include "TestSupport.h"
#include "convert/ConversionRules.h"

namespace qv::test {
namespace {

using Lines = std::vector<std::u16string>;

ConversionTable Table(TableKind kind, std::initializer_list<TableEntry> entries) {
  ConversionTable table;
  table.kind = kind;
  std::copy(entries.begin(), entries.end(), table.entries.begin());
  return table;
}

std::u16string OnLine(const ConversionTable& table, std::u16string line) {
  ApplyTableToLine(table, line);
  return line;
}

TEST(ConversionRulesTest, TextRulesSkipCommentsAndTextAlreadyWritten) {
  const ConversionTable m08 = Table(TableKind::Input, {{u"M08", u"M07"}});
  EXPECT_EQ(OnLine(m08, u"G01X1.M08(M08)"), u"G01X1.M07(M07)");
  EXPECT_EQ(OnLine(m08, u"(M08)G01X1.M08"), u"(M08)G01X1.M08");
  // A ")" before the "(" ends the comment there: what follows it counts as outside.
  EXPECT_EQ(OnLine(m08, u")(M08"), u")(M07");
  EXPECT_EQ(OnLine(m08, u"G01(M08"), u"G01(M08");

  const ConversionTable chain = Table(TableKind::Input, {{u"A", u"B"}, {u"B", u"C"}});
  EXPECT_EQ(OnLine(chain, u"A"), u"B");
  EXPECT_EQ(OnLine(chain, u"AB"), u"BB");

  // Entries of the input table's own rule forms are no text there, but are in the string table.
  for (const std::u16string from : {u"A_B", u"\"A_B\""}) {
    EXPECT_EQ(OnLine(Table(TableKind::Input, {{from, u"Z"}}), from), from);
    EXPECT_EQ(OnLine(Table(TableKind::String, {{from, u"Z"}}), from), u"Z");
  }
  EXPECT_EQ(OnLine(Table(TableKind::String, {{u"A;B", u"Z"}}), u"A;B"), u"A;B");
  EXPECT_EQ(OnLine(Table(TableKind::Input, {{u"X\\Y\\Z", u"W"}}), u"X\\Y\\Z1"), u"W1");
}

TEST(ConversionRulesTest, WordDeletionRemovesTheWordAndTheValueAtItsFirstPlace) {
  const ConversionTable f = Table(TableKind::Input, {{u"F?", u"unused"}});
  EXPECT_EQ(OnLine(f, u"G01X10.F100"), u"G01X10.");
  EXPECT_EQ(OnLine(f, u"(F1)G01F100"), u"(F1)G01F100");
  // Every F goes; only the value after the first one does.
  EXPECT_EQ(OnLine(f, u"G01F-1.5X2.F3"), u"G01X2.3");
  EXPECT_EQ(OnLine(Table(TableKind::Input, {{u"?F", u""}}), u"F1"), u"F1");
  EXPECT_EQ(OnLine(Table(TableKind::Input, {{u"\"F?", u""}}), u"F1"), u"F1");
  EXPECT_EQ(OnLine(Table(TableKind::String, {{u"\"F?", u""}}), u"\"F1X"), u"X");
}

TEST(ConversionRulesTest, PairRulesEmptyOrJoinLinesAndOnlyTheStringTableDropsThem) {
  const Lines program = {u"", u"G04X1.", u"M99", u"N1G00", u"X10.", u"G04", u"Y1."};
  const std::initializer_list<TableEntry> entries = {{u"G04=M99", u""}, {u"N1;X", u""}};

  Lines input = program;
  ApplyPairRules(Table(TableKind::Input, entries), input);
  EXPECT_EQ(input, (Lines{u"", u"", u"", u"N1G00X10.", u"", u"G04", u"Y1."}));

  Lines strings = program;
  ApplyPairRules(Table(TableKind::String, entries), strings);
  EXPECT_EQ(strings, (Lines{u"", u"N1G00X10.", u"G04", u"Y1."}));

  // The string-only run: per-line rules, empty lines left out, then the pair rules.
  const ConversionTable run =
      Table(TableKind::String, {{u"DEL", u""}, {u"G04=M99", u""}, {u"N1;X", u""}});
  EXPECT_EQ(ApplyStringTable(run, {u"%", u"DEL", u"G04", u"M99", u"N1", u"X1.", u"DEL", u"%"}),
            (Lines{u"%", u"N1X1.", u"%"}));
}

TEST(ConversionRulesTest, ConditionalRulesReplaceAfterTheirStartAndRemoveMarkers) {
  const ConversionTable table =
      Table(TableKind::Input, {{u"G01_X_Y", u""}, {u"Y_Q", u""}, {u"\"G_X", u""}});
  Lines lines = {u"(PART_A)", u"G01X1.", u"X2.(X)", u"/X3.",
                 u"(G01)X4.", u"G00X5.", u"X6.",    u"(G01)X7."};
  ApplyConditionalRules(table, lines);
  // "Y_Q" finds its Y only inside the text the first rule inserted, so it never starts.
  EXPECT_EQ(lines, (Lines{u"(PART", u"Y1.", u"Y2.(X)", u"/X3.", u"(G01)Y4.", u"G00X5.", u"X6.",
                          u"(G01)X7."}));
}

TEST(ConversionRulesTest, MoveAndLineRules) {
  Lines lines = {u"G92X0Y0T1", u"G01X1.", u"G00X2.", u"G00X3.", u"%", u"%X"};
  const ConversionTable table =
      Table(TableKind::Input, {{u"G92\\T1\\G00", u""}, {u"\"%\"", u"O1000"}, {u"\"\"%", u"no"}});
  ApplyMoveRules(table, lines);
  ApplyLineRules(table, lines);
  EXPECT_EQ(lines, (Lines{u"G92X0Y0", u"G01X1.", u"T1G00X2.", u"G00X3.", u"O1000", u"%X"}));
}

}  // namespace
}  // namespace qv::test
