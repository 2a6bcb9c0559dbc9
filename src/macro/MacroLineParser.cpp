#include "macro/MacroLineParser.h"

#include "nctext/NcWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Where each real-valued word letter keeps its value and presence flag.
struct WordSlot {
  char16_t letter;
  double MacroWords::*value;
  int32_t MacroWords::*present;
};

constexpr WordSlot kWordSlots[] = {
    {u'X', &MacroWords::x, &MacroWords::hasX}, {u'Y', &MacroWords::y, &MacroWords::hasY},
    {u'I', &MacroWords::i, &MacroWords::hasI}, {u'J', &MacroWords::j, &MacroWords::hasJ},
    {u'K', &MacroWords::k, &MacroWords::hasK}, {u'Q', &MacroWords::q, &MacroWords::hasQ},
    {u'R', &MacroWords::r, &MacroWords::hasR}, {u'C', &MacroWords::c, &MacroWords::hasC},
    {u'P', &MacroWords::p, &MacroWords::hasP},
};

const WordSlot* FindSlot(char16_t letter) {
  for (const WordSlot& slot : kWordSlots) {
    if (slot.letter == letter) return &slot;
  }
  return nullptr;
}

bool IsWordLetter(char16_t c) { return c == u'G' || FindSlot(c) != nullptr; }

// Stores the value of one word letter (IsWordLetter holds for it).
void StoreWord(char16_t letter, std::u16string_view value, MacroWords& words) {
  if (letter == u'G') {
    words.g = ToInt(value);
    return;
  }
  const WordSlot* slot = FindSlot(letter);
  words.*(slot->value) = ToDouble(value);
  words.*(slot->present) = 1;
}

// What a first look at a line finds, in one pass over it.
enum class LineLook { Plain, NeedsCleaning, ControlCharacter };

// Control characters (a tab aside) have no place in a program line: a file with lone CR line
// ends reads as one line full of them, and expanding its words would silently drop the rest.
// Cleaning and comment removal leave a line without spaces, ";", "(" or "[" as it is, so such a
// line (the usual kind) is read where it stands, without the copies they make.
LineLook LookAt(std::u16string_view line) {
  LineLook look = line.size() > kMaxMacroLineLength ? LineLook::NeedsCleaning : LineLook::Plain;
  for (const char16_t c : line) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) return LineLook::ControlCharacter;
    if (c == u' ' || c == u';' || c == u'(' || c == u'[') look = LineLook::NeedsCleaning;
  }
  return look;
}

}  // namespace

MacroParseResult ParseMacroLine(std::u16string_view line, MacroWords& words) {
  words = MacroWords{};
  const LineLook look = LookAt(line);
  if (look == LineLook::ControlCharacter) return MacroParseResult::ControlCharacter;
  const std::u16string_view trimmed = TrimRight(line);
  if (trimmed.empty()) return MacroParseResult::Blank;
  std::u16string_view text = trimmed;
  std::u16string stripped;
  if (look == LineLook::NeedsCleaning) {
    const std::optional<std::u16string> cleaned = CleanNcLine(trimmed);
    if (!cleaned) return MacroParseResult::Malformed;
    stripped = StripComments(*cleaned);
    text = stripped;
  }
  static constexpr std::u16string_view kGoto = u"GOTO";  // a constant: no length count per line
  if (text.empty() || StartsWith(text, kGoto)) return MacroParseResult::Blank;
  for (size_t at = 0; at < text.size(); ++at) {
    if (!IsWordLetter(text[at])) continue;
    const std::u16string_view value = NcWordValue(text, at, NcPlusSign::EndsValue);
    // The words read so far stay: the line's bookkeeping still carries them forward.
    if (!IsValidNcNumber(value)) return MacroParseResult::Malformed;
    StoreWord(text[at], value, words);
    at += value.size();
  }
  return MacroParseResult::Words;
}

}  // namespace qv
