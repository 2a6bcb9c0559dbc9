#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"

namespace qv {

// The steps of the dictionary rewrite, each over the working list and its tags (see
// DictionaryWords.h for the tag characters); DictionaryRewrite.cpp runs them in order.

// A working list: lines and their tags, index for index.
struct TaggedLines {
  LineList lines;
  LineList tags;
  bool operator==(const TaggedLines&) const = default;
};

// A line-unit special code whose search text can start a word.
struct LineCode {
  std::u16string from;
  std::u16string to;
};

// A special code II pair: left text to find, right text to put.
struct DictionaryPair {
  std::u16string left;
  std::u16string right;
};

// Most replacements of one string-unit code in one word; a code whose replacement re-creates
// its search text would otherwise never stop.
inline constexpr int32_t kMaxWordReplacements = 100000;

// Whether a line holds G90, G91 or G92: a program's head ends at the first such line.
bool HoldsCoordinateCode(std::u16string_view line);

// The expanded lines with the line-unit codes applied word by word, each line tagged.
TaggedLines TagByLineCodes(const LineList& expanded, const std::vector<LineCode>& codes);
// Marks with '4' the words and lines that the normalized program does not hold.
void AlignWithNormalized(TaggedLines& work, const LineList& normalized);
// Applies the string-unit codes word by word; -1 when a word takes too many replacements.
int32_t ApplyStringCodesByWord(TaggedLines& work, const LineList& from, const LineList& to);
// Inserts the source lines that macro expansion or the markings changed, all words '4'.
void InsertSourceLines(TaggedLines& work, const LineList& stripped, const LineList& expanded);

// The working list after the word removal.
LineList WithoutSourceWords(const TaggedLines& work);
// Substitutes the pairs (longest left text first) into the lines they may change and retags
// head comments, G93 lines (when `g93Converts`) and changed lines.
void SubstitutePairs(TaggedLines& work, std::vector<DictionaryPair> pairs, bool g93Converts);
// The plain lines (tags `tags`) with the converted lines placed among them: the result's tags
// are '9' for converted lines.
TaggedLines AlignConverted(const LineList& plain, LineList tags, const LineList& converted);

}  // namespace qv
