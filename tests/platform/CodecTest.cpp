#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "TestSupport.h"
#include "platform/Codec.h"

namespace qv {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

bool IsLead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST(Cp932Codec, DecodesSingleBytesLikeTheWindowsCodePage) {
  EXPECT_EQ(DecodeCp932("A\\~"), u"A\\~");  // no yen sign, no overline
  EXPECT_EQ(DecodeCp932(Bytes({0xB1, 0xDF})), u"\uFF71\uFF9F");
  EXPECT_EQ(DecodeCp932(Bytes({0x80, 0xA0, 0xFD, 0xFE, 0xFF})), u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3");
  EXPECT_EQ(EncodeCp932(u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"), Bytes({0x80, 0xA0, 0xFD, 0xFE, 0xFF}));
}

TEST(Cp932Codec, TrailByte5CIsNeverABackslash) {
  // "ソ" is 0x83 0x5C and "表" is 0x95 0x5C.
  EXPECT_EQ(DecodeCp932(Bytes({0x83, 0x5C, 0x95, 0x5C, 0x5C})), u"ソ表\\");
  EXPECT_EQ(EncodeCp932(u"ソ表\\"), Bytes({0x83, 0x5C, 0x95, 0x5C, 0x5C}));
}

TEST(Cp932Codec, DecodesExtensionRowsAndUserArea) {
  EXPECT_EQ(DecodeCp932(Bytes({0x87, 0x40})), u"①");  // NEC row 13
  EXPECT_EQ(DecodeCp932(Bytes({0x87, 0x54})), u"Ⅰ");
  EXPECT_EQ(DecodeCp932(Bytes({0xED, 0x40})), u"纊");  // NEC-selected IBM
  EXPECT_EQ(DecodeCp932(Bytes({0xFA, 0x40})), u"ⅰ");   // IBM extension
  EXPECT_EQ(DecodeCp932(Bytes({0xFC, 0x4B})), u"黑");
  EXPECT_EQ(DecodeCp932(Bytes({0xF0, 0x40})), u"\uE000");  // user-defined area
  EXPECT_EQ(DecodeCp932(Bytes({0xF9, 0xFC})), u"\uE757");
  EXPECT_EQ(DecodeCp932(Bytes({0x81, 0x60})), u"\uFF5E");  // fullwidth tilde, not wave dash
}

TEST(Cp932Codec, WritesDuplicatesWithTheBytesTheCodePageChooses) {
  EXPECT_EQ(EncodeCp932(u"ⅰ"), Bytes({0xFA, 0x40}));   // IBM, not NEC-selected 0xEEEF
  EXPECT_EQ(EncodeCp932(u"Ⅰ"), Bytes({0x87, 0x54}));   // NEC row 13, not IBM 0xFA4A
  EXPECT_EQ(EncodeCp932(u"￢"), Bytes({0x81, 0xCA}));  // JIS, not 0xEEF9 or 0xFA54
  EXPECT_EQ(EncodeCp932(u"¬"), "?");                   // the Latin-1 sign is not in the code page
  EXPECT_EQ(EncodeCp932(u"∵"), Bytes({0x81, 0xE6}));   // JIS, not 0x8784 or 0xFA5B
  EXPECT_EQ(EncodeCp932(u"≒"), Bytes({0x81, 0xE0}));   // JIS, not 0x8790
  EXPECT_EQ(EncodeCp932(u"纊"), Bytes({0xFA, 0x5C}));  // IBM, not NEC-selected 0xED40
}

// Every valid code decodes to one character that writes back to a code meaning the same
// character; the bytes written back for the non-duplicated codes are the same bytes.
TEST(Cp932Codec, EveryValidDoubleByteCodeRoundTrips) {
  int mapped = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLead(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code = Bytes({lead, trail});
      const std::u16string text = DecodeCp932(code);
      ASSERT_EQ(text.size(), 1u) << std::hex << lead << trail;
      if (text[0] == u'\uFFFD') continue;
      ++mapped;
      const std::string back = EncodeCp932(text);
      EXPECT_EQ(DecodeCp932(back), text) << std::hex << lead << trail;
      const bool duplicateRow =
          (lead >= 0xED && lead <= 0xEE) || (lead >= 0xFA && lead <= 0xFC) || lead == 0x87;
      if (!duplicateRow) {
        EXPECT_EQ(back, code) << std::hex << lead << trail;
      }
    }
  }
  // JIS X 0208 rows, NEC row 13, both IBM extension sets and 1880 user-defined codes.
  EXPECT_GT(mapped, 9000);
}

TEST(Cp932Codec, EncodesTheSameBytesAsIconvForEveryCharacterItDecodes) {
  iconv_t cd = iconv_open("CP932", "UTF-16LE");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int compared = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLead(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::u16string text = DecodeCp932(Bytes({lead, trail}));
      if (text[0] == u'\uFFFD') continue;
      char16_t in[1] = {text[0]};
      char out[4];
      char* inPtr = reinterpret_cast<char*>(in);
      char* outPtr = out;
      size_t inLeft = 2, outLeft = sizeof(out);
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      ASSERT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<size_t>(-1));
      EXPECT_EQ(EncodeCp932(text), std::string(out, static_cast<size_t>(outPtr - out)));
      ++compared;
    }
  }
  iconv_close(cd);
  EXPECT_GT(compared, 9000);
}

TEST(Cp932Codec, InvalidInputBecomesReplacementWithoutEatingNeighbours) {
  EXPECT_EQ(DecodeCp932(Bytes({0x85, 0x40})), u"\uFFFD");           // unassigned pair
  EXPECT_EQ(DecodeCp932(Bytes({0x81, 0x0A, 0x41})), u"\uFFFD\nA");  // lead before LF
  EXPECT_EQ(DecodeCp932(Bytes({0x41, 0x81})), u"A\uFFFD");          // truncated at the end
  EXPECT_EQ(DecodeCp932(Bytes({0x81, 0x7F})), u"\uFFFD\x7F");
  EXPECT_EQ(DecodeCp932(std::string("\0X", 2)), std::u16string(u"\0X", 2));
}

TEST(Cp932Codec, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(EncodeCp932(u"A\u00E9B"), "A?B");
  EXPECT_EQ(EncodeCp932(u"\U0001F600"), "?");  // a surrogate pair is one character
  EXPECT_EQ(EncodeCp932(u"\xD800X"), "?X");    // a lone surrogate
  EXPECT_EQ(EncodeCp932(u"\uFFFD"), "?");
}

}  // namespace
}  // namespace qv
