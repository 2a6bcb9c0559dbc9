#include <string>

#include "TestSupport.h"
#include "macro/MacroLineParser.h"
#include "platform/Codec.h"

namespace qv {
namespace {

MacroParseResult Parse(std::u16string_view line, MacroWords& words) {
  return ParseMacroLine(line, words);
}

TEST(MacroLineParserTest, ReadsEveryWordLetterAndPassesOverOthers) {
  MacroWords w;
  ASSERT_EQ(Parse(u"N10 G111 X100. Y-50.5 I40 J20. K30 Q5 R2. C1 P7 M08", w),
            MacroParseResult::Words);
  EXPECT_EQ(w.g, 111);
  EXPECT_EQ(w.x, 100.0);
  EXPECT_EQ(w.y, -50.5);
  EXPECT_EQ(w.i, 40.0);
  EXPECT_EQ(w.j, 20.0);
  EXPECT_EQ(w.k, 30.0);
  EXPECT_EQ(w.q, 5.0);
  EXPECT_EQ(w.r, 2.0);
  EXPECT_EQ(w.c, 1.0);
  EXPECT_EQ(w.p, 7.0);
  EXPECT_TRUE(w.hasX && w.hasY && w.hasI && w.hasJ && w.hasK && w.hasQ && w.hasR && w.hasC &&
              w.hasP);
}

TEST(MacroLineParserTest, LaterWordReplacesEarlierAndAbsentWordsStayCleared) {
  MacroWords w;
  w.hasQ = 1;  // left over from an earlier line: must be cleared
  ASSERT_EQ(Parse(u"G00X1.X2.", w), MacroParseResult::Words);
  EXPECT_EQ(w.g, 0);
  EXPECT_EQ(w.x, 2.0);
  EXPECT_EQ(w.hasY, 0);
  EXPECT_EQ(w.hasQ, 0);
}

TEST(MacroLineParserTest, CommentsSemicolonAndLowerCaseAreIgnored) {
  MacroWords w;
  ASSERT_EQ(Parse(u"G01(X1.2.3)[Y]X5. ;Y1.2.3", w), MacroParseResult::Words);
  EXPECT_EQ(w.x, 5.0);
  EXPECT_EQ(w.hasY, 0);
  ASSERT_EQ(Parse(u"g01x1.2.3", w), MacroParseResult::Words);
  EXPECT_EQ(w.g, -1);
  ASSERT_EQ(Parse(u"#1=10", w), MacroParseResult::Words);
  EXPECT_EQ(w, MacroWords{});
}

TEST(MacroLineParserTest, BlankCommentOnlyAndGotoLinesAreBlank) {
  MacroWords w;
  for (const std::u16string line :
       {u"", u"   \t", u"(ABC)", u"; note", u"GOTO5", u" GOTO 5", u"[X1.2.3]"}) {
    EXPECT_EQ(Parse(line, w), MacroParseResult::Blank) << ToUtf8(line);
  }
}

TEST(MacroLineParserTest, MalformedValuesAnywhereMakeTheLineMalformed) {
  MacroWords w;
  for (const std::u16string line :
       {u"X1.2.3", u"G01X1.123456", u"X+5.", u"G01X", u"N10GOTO5", u"IF[#1GT0]GOTO10", u"G01Y1-2",
        u"M98P", u"G1234567890", u"G111X0Y0I20.J10.R", u"QX1.", u"C.."}) {
    EXPECT_EQ(Parse(line, w), MacroParseResult::Malformed) << ToUtf8(line);
  }
  // The words before the bad value stay in the record; a "+" is no part of a value.
  ASSERT_EQ(Parse(u"G111X5.Y5.I10.J3.1234567K9.", w), MacroParseResult::Malformed);
  MacroWords before;
  before.g = 111;
  before.x = 5, before.hasX = 1;
  before.y = 5, before.hasY = 1;
  before.i = 10, before.hasI = 1;
  EXPECT_EQ(w, before);
  ASSERT_EQ(Parse(u"G01X5.+3Y+2.", w), MacroParseResult::Malformed);
  EXPECT_EQ(w.x, 5.0);
  EXPECT_EQ(w.hasY, 0);
}

TEST(MacroLineParserTest, ControlCharactersOtherThanTabAreRefused) {
  MacroWords w;
  for (const std::u16string line :
       {u"G111X0Y0I10.\rG126I50.K4\r", u"G01X1.\n", u"\x7f", u"G01\x1bX1."}) {
    EXPECT_EQ(Parse(line, w), MacroParseResult::ControlCharacter) << ToUtf8(line);
    EXPECT_EQ(w, MacroWords{});
  }
  EXPECT_EQ(Parse(u"G01\tX1.\t", w), MacroParseResult::Words);
  EXPECT_EQ(w.x, 1.0);
}

TEST(MacroLineParserTest, LongestValuesAreAccepted) {
  MacroWords w;
  ASSERT_EQ(Parse(u"X-123456789.12345Y123456789", w), MacroParseResult::Words);
  EXPECT_DOUBLE_EQ(w.x, -123456789.12345);
  EXPECT_EQ(w.y, 123456789.0);
}

TEST(MacroLineParserTest, LineTooLongAfterCleaningIsMalformedNotCut) {
  MacroWords w;
  const std::u16string fits = u"G00X1." + std::u16string(249, u'0');
  EXPECT_EQ(fits.size(), 255u);
  EXPECT_EQ(Parse(fits, w), MacroParseResult::Malformed);  // six decimals and more
  const std::u16string spaced = u"G00X1." + std::u16string(400, u' ');
  EXPECT_EQ(Parse(spaced, w), MacroParseResult::Words);
  const std::u16string tooLong = u"M08" + std::u16string(253, u'N');
  EXPECT_EQ(Parse(tooLong, w), MacroParseResult::Malformed);
  EXPECT_EQ(Parse(tooLong.substr(0, 255), w), MacroParseResult::Words);
}

TEST(MacroLineParserTest, GReadsItsWholePart) {
  MacroWords w;
  ASSERT_EQ(Parse(u"G111.5X1.", w), MacroParseResult::Words);
  EXPECT_EQ(w.g, 111);
  ASSERT_EQ(Parse(u"G-5", w), MacroParseResult::Words);
  EXPECT_EQ(w.g, -5);
}

}  // namespace
}  // namespace qv
