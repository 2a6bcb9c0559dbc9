#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "TestSupport.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv {
namespace {

TEST(StringUtil, ReplaceAllDoesNotRescanReplacedText) {
  std::u16string text = u"aXa";
  EXPECT_EQ(ReplaceAll(text, u"a", u"aa"), 2u);
  EXPECT_EQ(text, u"aaXaa");
  EXPECT_EQ(ReplaceAll(text, u"", u"z"), 0u);
  EXPECT_EQ(ReplaceAll(text, u"Q", u"z"), 0u);
  EXPECT_EQ(text, u"aaXaa");
}

TEST(StringUtil, TrimAndCaseFolding) {
  EXPECT_EQ(Trim(u" \t key = \r\n"), u"key =");
  EXPECT_EQ(Trim(u"   "), u"");
  EXPECT_TRUE(EqualsNoCase(u"Quorvalen_Data", u"QUORVALEN_data"));
  EXPECT_FALSE(EqualsNoCase(u"ａ", u"Ａ"));  // only ASCII folds
  EXPECT_LT(CompareNoCase(u"abc", u"ABD"), 0);
  EXPECT_GT(CompareNoCase(u"abcd", u"ABC"), 0);
}

// One reading for the settings and the post file: "1.13" must not fall to 112.
TEST(StringUtil, VersionsReadAsTruncatedHundredths) {
  EXPECT_EQ(VersionTimes100(u"1.13"), 113);
  EXPECT_EQ(VersionTimes100(u"1.17"), 117);
  EXPECT_EQ(VersionTimes100(u"1.22"), 122);
  EXPECT_EQ(VersionTimes100(u"1.699"), 169);
  EXPECT_EQ(VersionTimes100(u"-1.13"), -113);
  EXPECT_EQ(VersionTimes100(u"abc"), 0);
  EXPECT_EQ(VersionTimes100(u"1e300"), 1000000000);
}

TEST(StringUtil, ToIntReadsTheLeadingNumber) {
  EXPECT_EQ(ToInt(u"  -42abc"), -42);
  EXPECT_EQ(ToInt(u"+7"), 7);
  EXPECT_EQ(ToInt(u"abc"), 0);
  EXPECT_EQ(ToInt(u""), 0);
  EXPECT_EQ(ToInt(u"99999999999999"), 2147483647);
  EXPECT_EQ(ToInt(u"-99999999999999"), -2147483648);
  EXPECT_EQ(ParseInt(u"-12"), -12);
  EXPECT_EQ(ParseInt(u"12a"), std::nullopt);
  EXPECT_EQ(ParseInt(u""), std::nullopt);
}

// Short plain decimals take a quicker road than the full conversion: both must give the same
// double to the last bit, sign of zero included.
TEST(StringUtil, ToDoubleReadsPlainDecimalsExactly) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 20000; ++round) {
    std::string text = round % 3 == 0 ? "-" : (round % 7 == 0 ? "+" : "");
    const int digits = 1 + static_cast<int>(random() % 17);
    const int point = static_cast<int>(random() % (digits + 2));  // past the end: no point
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + (round % 5 == 0 && d == 0 ? 0 : random() % 10));
    }
    if (point == digits) text += '.';
    double expected = 0;
    std::from_chars(text.data() + (text[0] == '+'), text.data() + text.size(), expected);
    const double value = ToDouble(FromUtf8(text));
    EXPECT_EQ(value, expected) << text;
    EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text;
  }
}

TEST(StringUtil, NumbersIgnoreTheProcessLocale) {
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_DOUBLE_EQ(ToDouble(u" -1.5e2x"), -150.0);
  EXPECT_DOUBLE_EQ(ToDouble(u"+.25"), 0.25);
  EXPECT_DOUBLE_EQ(ToDouble(u"abc"), 0.0);
  EXPECT_EQ(ToDouble(u"-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ToDouble(u"1e-400"), 0.0);
  EXPECT_EQ(ToDouble(u"-1.5e-400"), 0.0);
  EXPECT_EQ(FormatFixed(-2.5, 3), u"-2.500");
  EXPECT_EQ(Sprintf("%6d|%.2f", 42, 1.5), u"    42|1.50");
  if (german != nullptr) std::setlocale(LC_ALL, "C");
}

TEST(StringUtil, FormatTextFillsMarkersInOrder) {
  EXPECT_EQ(FormatText(u"NCファイルの読み込みに失敗しました。\n[%s]", {u"a.nc"}),
            u"NCファイルの読み込みに失敗しました。\n[a.nc]");
  EXPECT_EQ(FormatText(u"%s-%s-%s", {u"1", u"2"}), u"1-2-%s");
}

TEST(StringUtil, Utf8RoundTripsAndRepairsBadInput) {
  const std::u16string text = u"ＮＣ変換 \U0001F600 x";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(FromUtf8("\xE3\x81"), u"\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            u"a\uFFFDb");
  EXPECT_EQ(ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace qv
