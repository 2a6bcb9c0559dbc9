#include "macro/MacroLineParser.h"

#include "nctext/NcWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Stores the value of one word letter; false for a letter that is not a word letter.
bool StoreWord(char16_t letter, std::u16string_view value, MacroWords& words) {
  const double v = ToDouble(value);
  switch (letter) {
    case u'G':
      words.g = ToInt(value);
      return true;
    case u'X':
      words.x = v;
      words.hasX = 1;
      return true;
    case u'Y':
      words.y = v;
      words.hasY = 1;
      return true;
    case u'I':
      words.i = v;
      words.hasI = 1;
      return true;
    case u'J':
      words.j = v;
      words.hasJ = 1;
      return true;
    case u'K':
      words.k = v;
      words.hasK = 1;
      return true;
    case u'Q':
      words.q = v;
      words.hasQ = 1;
      return true;
    case u'R':
      words.r = v;
      words.hasR = 1;
      return true;
    case u'C':
      words.c = v;
      words.hasC = 1;
      return true;
    case u'P':
      words.p = v;
      words.hasP = 1;
      return true;
    default:
      return false;
  }
}

bool IsWordLetter(char16_t c) {
  return c == u'C' || c == u'G' || c == u'I' || c == u'J' || c == u'K' || c == u'P' || c == u'Q' ||
         c == u'R' || c == u'X' || c == u'Y';
}

}  // namespace

MacroParseResult ParseMacroLine(std::u16string_view line, MacroWords& words) {
  words = MacroWords{};
  const std::u16string_view trimmed = TrimRight(line);
  if (trimmed.empty()) return MacroParseResult::Blank;
  const std::optional<std::u16string> cleaned = CleanNcLine(trimmed);
  if (!cleaned) return MacroParseResult::Malformed;
  const std::u16string text = StripComments(*cleaned);
  if (text.empty() || StartsWith(text, u"GOTO")) return MacroParseResult::Blank;
  for (size_t at = 0; at < text.size(); ++at) {
    if (!IsWordLetter(text[at])) continue;
    const std::u16string_view value = NcWordValue(text, at);
    if (!IsValidNcNumber(value)) {
      words = MacroWords{};
      return MacroParseResult::Malformed;
    }
    StoreWord(text[at], value, words);
    at += value.size();
  }
  return MacroParseResult::Words;
}

}  // namespace qv
