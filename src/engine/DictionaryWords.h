#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Words as the dictionary rewrite sees them: a word starts at a line's first character and at
// every character that is no digit and none of "*+,-./=". A line's tag holds one character per
// word: '0' unchanged, '3' replaced by a line-unit code, '8' deleted, '5' absorbed into a
// multi-word match, '7' place of an extra replacement word, '6' changed by a string-unit code,
// '2' line changed by the dictionary, '4' taken from the source only, '9' converted line.
using Words = std::vector<std::u16string>;

// Whether a character starts a word wherever it stands.
bool IsWordStart(char16_t c);
// Whether the character at p (inside the line) starts a word.
bool StartsWord(std::u16string_view line, size_t p);
// The line cut at its word starts (none for an empty line).
Words SplitWords(std::u16string_view line);
size_t CountWords(std::u16string_view line);
// The line cut at its word starts, the starts after the first taking the tag's characters in
// order: a '5' or '8' adds an empty word and passes to the next character, a '7' glues the text
// before the start to the last word, any other character makes it a word. When the tag runs out
// the rest of the line is the last word.
Words SplitByTag(std::u16string_view line, std::u16string_view tag);
std::u16string JoinWords(const Words& words);
// The line without the words tagged '4' ('5' and '8' stand for no word); a line whose tag has
// no '4' comes back as it is.
std::u16string RemoveSourceWords(std::u16string_view line, std::u16string_view tag);

}  // namespace qv
