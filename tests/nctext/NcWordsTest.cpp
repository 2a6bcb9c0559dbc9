#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestSupport.h"
#include "nctext/NcWords.h"

namespace qv {
namespace {

TEST(CleanNcLine, DropsSpacesAndEverythingFromTheSemicolon) {
  EXPECT_EQ(CleanNcLine(u"G01 X10. ;cut"), u"G01X10.");
  EXPECT_EQ(CleanNcLine(u";"), u"");
  EXPECT_EQ(CleanNcLine(u" G 1 1 1 "), u"G111");
}

TEST(CleanNcLine, RefusesLinesLongerThanTheMacroLimit) {
  const std::u16string limit(kMaxMacroLineLength, u'X');
  EXPECT_EQ(CleanNcLine(limit + u"   ;" + limit), limit);
  EXPECT_EQ(CleanNcLine(limit + u"1"), std::nullopt);
}

TEST(StripComments, RemovesNestedParenthesesThenBrackets) {
  EXPECT_EQ(StripComments(u"X1(A(B)C)Y2"), u"X1Y2");
  EXPECT_EQ(StripComments(u"X1[ab]Y2(c"), u"X1Y2");
  EXPECT_EQ(StripComments(u"X1)Y2]"), u"X1)Y2]");
  EXPECT_EQ(StripComments(u"([x)]Y 3"), u"]Y3");  // brackets are stripped second
  EXPECT_EQ(StripComments(u"[(]Y3"), u"");        // the bracket never closes
}

TEST(IsValidNcNumber, AcceptsOnlyWellFormedValues) {
  EXPECT_TRUE(IsValidNcNumber(u"-12.345"));
  EXPECT_TRUE(IsValidNcNumber(u"123456789"));
  EXPECT_TRUE(IsValidNcNumber(u"-123456789"));
  EXPECT_TRUE(IsValidNcNumber(u"1.12345"));
  EXPECT_TRUE(IsValidNcNumber(u"."));
  EXPECT_TRUE(IsValidNcNumber(u"-"));
  EXPECT_TRUE(IsValidNcNumber(u"123456789.5"));
  EXPECT_FALSE(IsValidNcNumber(u"1-2"));
  EXPECT_FALSE(IsValidNcNumber(u"1.2.3"));
  EXPECT_FALSE(IsValidNcNumber(u"1234567890"));
  EXPECT_FALSE(IsValidNcNumber(u"1.123456"));
  EXPECT_FALSE(IsValidNcNumber(u"+5"));
  EXPECT_FALSE(IsValidNcNumber(u""));
  EXPECT_FALSE(IsValidNcNumber(u"--1"));
  EXPECT_FALSE(IsValidNcNumber(u"１"));
}

TEST(HasDecimalPoint, LooksPastDigitsAndSignsOnly) {
  EXPECT_TRUE(HasDecimalPoint(u"-12.5"));
  EXPECT_TRUE(HasDecimalPoint(u"+.5"));
  EXPECT_FALSE(HasDecimalPoint(u"125"));
  EXPECT_FALSE(HasDecimalPoint(u"12X.5"));
  EXPECT_FALSE(HasDecimalPoint(u""));
}

TEST(RoundToDigits, RoundsHalfAwayFromZero) {
  EXPECT_DOUBLE_EQ(RoundToDigits(1.0625, 3), 1.063);
  EXPECT_DOUBLE_EQ(RoundToDigits(-1.0625, 3), -1.063);
  EXPECT_DOUBLE_EQ(RoundToDigits(-1.0624, 3), -1.062);
  EXPECT_DOUBLE_EQ(RoundToDigits(2.5, 0), 3.0);
  const double negativeZero = RoundToDigits(-0.0004, 3);
  EXPECT_EQ(negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(FormatNcNumber, PrintsMinimalDecimalsAndKeepsThePoint) {
  EXPECT_EQ(FormatNcNumber(12.5, 3), u"12.5");
  EXPECT_EQ(FormatNcNumber(12, 3), u"12.");
  EXPECT_EQ(FormatNcNumber(0, 3), u"0.");
  EXPECT_EQ(FormatNcNumber(-0.25, 2), u"-0.25");
  EXPECT_EQ(FormatNcNumber(2.0004, 3), u"2.");
  EXPECT_EQ(FormatNcNumber(-0.0004, 3), u"-0.");
  EXPECT_EQ(FormatNcNumber(1.23456, 4), u"1.2346");
  EXPECT_EQ(FormatNcNumber(100, 1), u"100.");
  EXPECT_EQ(FormatNcNumber(-2500.0005, 3), u"-2500.001");
}

TEST(FormatNcNumber, RefusesValuesWithoutNcText) {
  EXPECT_EQ(FormatNcNumber(-999999999.9994, 3), u"-999999999.999");
  EXPECT_EQ(FormatNcNumber(999999999.9996, 3), std::nullopt);  // rounds to ten digits
  EXPECT_EQ(FormatNcNumber(1e300, 1), std::nullopt);
  EXPECT_EQ(FormatNcNumber(-std::numeric_limits<double>::infinity(), 4), std::nullopt);
  EXPECT_EQ(FormatNcNumber(std::nan(""), 3), std::nullopt);
}

TEST(NcWordValue, TakesDigitsPointsMinusesAndPlusAsToldAfterTheLetter) {
  EXPECT_EQ(NcWordValue(u"G01X-10.5Y3", 3, NcPlusSign::EndsValue), u"-10.5");
  EXPECT_EQ(NcWordValue(u"X+5", 0, NcPlusSign::EndsValue), u"");
  EXPECT_EQ(NcWordValue(u"X5+3Y", 0, NcPlusSign::EndsValue), u"5");
  EXPECT_EQ(NcWordValue(u"X5+3Y", 0, NcPlusSign::InValue), u"5+3");
  EXPECT_EQ(NcWordValue(u"X", 0, NcPlusSign::InValue), u"");
  EXPECT_EQ(NcWordValue(u"X1-2.3.", 0, NcPlusSign::EndsValue), u"1-2.3.");
}

}  // namespace
}  // namespace qv
