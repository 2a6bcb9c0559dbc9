#include <gtest/gtest.h>

#include "preview/BlockWords.h"

namespace qv {
namespace {

TEST(BlockWordsTest, NumbersWithoutPointAreInUnitsOfTheFactor) {
  const BlockWords words = ReadBlockWords(u"G01X100Y-20.5I3J0.R25", 100);
  EXPECT_DOUBLE_EQ(words.x, 1.0);
  EXPECT_DOUBLE_EQ(words.y, -20.5);
  EXPECT_DOUBLE_EQ(words.i, 0.03);
  EXPECT_DOUBLE_EQ(words.j, 0.0);
  EXPECT_DOUBLE_EQ(words.r, 0.25);
  EXPECT_TRUE(words.HasG(1));
}

TEST(BlockWordsTest, ValuesEndAtCapitalsLowerCaseEAndSemicolon) {
  const BlockWords words = ReadBlockWords(u"X12.5eY3.;P7", 10);
  EXPECT_DOUBLE_EQ(words.x, 12.5);
  EXPECT_DOUBLE_EQ(words.y, 3.0);
  EXPECT_EQ(words.p, 7);
}

TEST(BlockWordsTest, IntegerAddressesTakeOnlyDigits) {
  const BlockWords words = ReadBlockWords(u"M98P12.5H-3K4Q0W91", 10);
  EXPECT_TRUE(words.hasP);
  EXPECT_EQ(words.p, 0);
  EXPECT_EQ(words.h, 0);
  EXPECT_EQ(words.k, 4);
  EXPECT_EQ(words.w, 91);
  EXPECT_TRUE(words.HasM(98));
}

TEST(BlockWordsTest, CoordinateSystemCodesTakeNoPosition) {
  EXPECT_FALSE(ReadBlockWords(u"G52X10.Y5.", 10).hasX);
  EXPECT_FALSE(ReadBlockWords(u"G55X10.Y5.", 10).hasY);
  // X read before G92 is cleared; the block as a whole sets no position.
  const BlockWords g92 = ReadBlockWords(u"X5.G92Y1000.", 10);
  EXPECT_FALSE(g92.hasX);
  EXPECT_TRUE(g92.coordinateChange);
  EXPECT_FALSE(ReadBlockWords(u"G01X5.", 10).coordinateChange);
}

TEST(BlockWordsTest, CommentsHashLinesAndDwellReadNothingMore) {
  const BlockWords comment = ReadBlockWords(u"(T101 M30)G00X1.", 10);
  EXPECT_FALSE(comment.hasT);
  EXPECT_FALSE(comment.HasM(30));
  EXPECT_TRUE(comment.hasX);
  EXPECT_EQ(ReadBlockWords(u"#1=G01X5.", 10), BlockWords{});
  const BlockWords dwell = ReadBlockWords(u"G01G04X5.", 10);
  EXPECT_TRUE(dwell.dwell);
  EXPECT_FALSE(dwell.hasX);
  EXPECT_TRUE(ReadBlockWords(u"G126X0Y0I5.K2", 10).macro);
}

}  // namespace
}  // namespace qv
