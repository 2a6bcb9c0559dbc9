// Random programs made of macro-like pieces: nothing may crash, and every line whose words are
// malformed must be listed as unconvertible under its own line number.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "macro/CGMacroChg.h"
#include "macro/MacroLineParser.h"
#include "platform/Codec.h"

namespace qv {
namespace {

const char16_t* const kPieces[] = {
    u"G111", u"G112", u"G113", u"G114", u"G115", u"G116", u"G126", u"G128", u"G129", u"G136",
    u"G137", u"G68",  u"G69",  u"G90",  u"G91",  u"G00",  u"G01",  u"M98P", u"M98H", u"M99",
    u"O",    u"N",    u"X",    u"Y",    u"I",    u"J",    u"K",    u"Q",    u"R",    u"C",
    u"P",    u"H",    u"-",    u".",    u"0",    u"1",    u"2",    u"5",    u"9",    u"10.",
    u"20.",  u"-3.5", u"360.", u"99",   u"(",    u")",    u"[",    u"]",    u";",    u" ",
    u"GOTO", u"+",    u"#",    u"G04X", u"\t",   u"あ"};

std::u16string RandomLine(std::mt19937& random) {
  std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> length(0, 12);
  std::u16string line;
  for (int n = length(random); n > 0; --n) line += kPieces[piece(random)];
  return line;
}

TEST(MacroRandomLinesTest, MalformedLinesAreListedAndNothingCrashes) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 1500; ++round) {
    std::vector<std::u16string> program;
    for (int n = static_cast<int>(random() % 16); n >= 0; --n)
      program.push_back(RandomLine(random));
    std::vector<std::u16string> unconvertible;
    std::vector<std::u16string> warnings;
    CGMacroChg macro;
    macro.SetOptions({static_cast<int32_t>(round % 4), static_cast<int32_t>(round % 3),
                      static_cast<int32_t>(round % 2)});
    macro.SetReportLists(&unconvertible, &warnings);
    std::vector<std::u16string> out;
    const int32_t result = macro.CheckAndExpand(program, out);
    EXPECT_EQ(result == -1, !unconvertible.empty());
    MacroWords words;
    for (size_t k = 0; k < program.size(); ++k) {
      if (ParseMacroLine(program[k], words) != MacroParseResult::Malformed) continue;
      const std::u16string entry = Sprintf("%6d", static_cast<int>(k + 1)) + u"    " + program[k];
      EXPECT_NE(std::find(unconvertible.begin(), unconvertible.end(), entry), unconvertible.end())
          << ToUtf8(entry);
    }
    CGMacroChg inPlace;
    inPlace.ExpandInPlace(program);
  }
}

}  // namespace
}  // namespace qv
