#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "nctext/CnlStringAnlyss.h"

namespace qv {
namespace {

using Tokens = std::vector<std::u16string>;

// Splits one line with a fresh analyser that separates at the given characters.
Tokens SplitWith(std::u16string_view separators, std::u16string_view line) {
  CnlStringAnlyss analyser;
  for (char16_t c : separators) analyser.AddSeparator(c);
  const int32_t count = analyser.Split(line);
  Tokens tokens;
  for (int32_t i = 0; i < count; ++i) {
    std::u16string token;
    EXPECT_EQ(analyser.GetToken(i, token), 0);
    tokens.push_back(token);
  }
  return tokens;
}

TEST(CnlStringAnlyss, SplitsAtSpacesWithQuotedGroups) {
  EXPECT_EQ(SplitWith(u" ", u"  A  B "), (Tokens{u"A", u"B"}));
  EXPECT_EQ(SplitWith(u" ", u"Name \"two words\" 5"), (Tokens{u"Name", u"two words", u"5"}));
  EXPECT_EQ(SplitWith(u" ", u""), Tokens{});
  EXPECT_EQ(SplitWith(u" ", u"    "), Tokens{});
  EXPECT_EQ(SplitWith(u" ", u"A \"\" B"), (Tokens{u"A", u"B"}));
  EXPECT_EQ(SplitWith(u" ", u"A\"B C\"D E"), (Tokens{u"AB CD", u"E"}));
  EXPECT_EQ(SplitWith(u" ", u"A \"open quote"), (Tokens{u"A", u"open quote"}));
}

TEST(CnlStringAnlyss, NonSpaceSeparatorKeepsEmptyTokens) {
  EXPECT_EQ(SplitWith(u",", u"a,,b,"), (Tokens{u"a", u"", u"b"}));
}

TEST(CnlStringAnlyss, AMatchedNonSpaceSeparatorStopsSpacesForGood) {
  CnlStringAnlyss analyser;
  analyser.AddSeparator(u' ');
  analyser.AddSeparator(u',');
  EXPECT_EQ(analyser.Split(u"a b"), 2);
  analyser.ClearTokens();
  EXPECT_EQ(analyser.Split(u"x,y z"), 2);
  std::u16string token;
  analyser.GetToken(1, token);
  EXPECT_EQ(token, u"y z");
  analyser.ClearTokens();
  EXPECT_EQ(analyser.Split(u"a b"), 1);  // spaces no longer separate
}

TEST(CnlStringAnlyss, SplitAppendsUntilCleared) {
  CnlStringAnlyss analyser;
  analyser.AddSeparator(u' ');
  analyser.Split(u"first line");
  EXPECT_EQ(analyser.Split(u"second"), 1);
  std::u16string token;
  analyser.GetToken(0, token);
  EXPECT_EQ(token, u"first");
  EXPECT_EQ(analyser.TokenCount(), 3);
  analyser.ClearTokens();
  EXPECT_EQ(analyser.GetToken(0, token), 0);
  EXPECT_EQ(token, u"");
}

TEST(CnlStringAnlyss, RefusesBadIndexAndEleventhSeparator) {
  CnlStringAnlyss analyser;
  for (int i = 0; i < kMaxSeparators; ++i) EXPECT_EQ(analyser.AddSeparator(u'a' + i), 0);
  EXPECT_EQ(analyser.AddSeparator(u' '), -1);
  EXPECT_EQ(analyser.Split(u"x y"), 1);  // the refused space does not separate
  std::u16string token = u"old";
  EXPECT_EQ(analyser.GetToken(1, token), -1);
  EXPECT_EQ(token, u"");
  EXPECT_EQ(analyser.GetToken(-1, token), -1);
}

}  // namespace
}  // namespace qv
