#include "TestSupport.h"
#include "convert/Csubpro_rep.h"

namespace qv::test {
namespace {

using Lines = std::vector<std::u16string>;

Lines Replaced(Lines lines, std::u16string_view call = u"M98P") {
  EXPECT_EQ(Csubpro_rep().ReplaceCalls(lines, call, u"O", u"M99"), ReplaceStatus::Done);
  return lines;
}

TEST(Csubpro_repTest, CallsBecomeTheirBlocksAndTheProgramEndsAtItsEndCode) {
  EXPECT_EQ(Replaced({u"%", u"N1G00X0Y0", u"M98P100", u"M30", u"O100", u"G01X10.", u"M99", u"%"}),
            (Lines{u"%", u"N1G00X0Y0", u"G01X10.", u"M30", u"%"}));
  // The label is the rest of the call line, and the first line holding it wins: O10 is found
  // in O100. A missing label drops its call; without "%" in the first line none is added.
  EXPECT_EQ(Replaced({u"G00", u"M98P10", u"M98P7", u"M98P100L2", u"G50", u"O100", u"A", u"M99",
                      u"O10", u"B", u"M99", u"O100L2", u"C"}),
            (Lines{u"G00", u"A", u"C", u"G50"}));
}

TEST(Csubpro_repTest, AnEndCodeCutsTheProgramAndWithoutOneOnlyAReplacedCallChangesIt) {
  // With one, the blocks after it go even when no call was replaced.
  EXPECT_EQ(Replaced({u"%", u"G00", u"M02", u"O1", u"X1.", u"M99", u"%"}),
            (Lines{u"%", u"G00", u"M02", u"%"}));
  const Lines unfound = {u"%", u"M98P5", u"G01X1.", u"%"};
  EXPECT_EQ(Replaced(unfound), unfound);
  EXPECT_EQ(Replaced({u"M98P1", u"O1", u"X1.", u"M99"}), (Lines{u"X1.", u"O1", u"X1.", u"M99"}));
  const Lines program = {u"%", u"M98P1", u"M30", u"O1", u"X1.", u"M99"};
  EXPECT_EQ(Replaced(program, u""), program);
}

TEST(Csubpro_repTest, APassThatWouldPassAMillionLinesLeavesTheProgramAlone) {
  Lines program(501, u"M98P1");
  program.push_back(u"M30");
  program.push_back(u"O1");
  program.insert(program.end(), 2000, u"G01X1.");
  program.push_back(u"M99");
  Lines lines = program;
  EXPECT_EQ(Csubpro_rep().ReplaceCalls(lines, u"M98P", u"O", u"M99"), ReplaceStatus::TooManyLines);
  EXPECT_EQ(lines, program);
  lines.erase(lines.begin(), lines.begin() + 2);
  EXPECT_EQ(Csubpro_rep().ReplaceCalls(lines, u"M98P", u"O", u"M99"), ReplaceStatus::Done);
  EXPECT_EQ(lines.size(), 499u * 2000u + 1u);
}

}  // namespace
}  // namespace qv::test
