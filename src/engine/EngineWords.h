#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/EngineLimits.h"

namespace qv {

// How the engine reads words: by the character at a position and the one after it. A letter
// with nothing after it is no word. Coordinate values may carry "+" here, unlike the macro
// reader's values, since the engine copies them as written.
enum class WordClass { None, G, M, ProgramNumber, Coordinate };

using WordFlags = std::array<int32_t, kFlagCount>;

// The class of the word starting at position p of the line.
WordClass WordClassAt(std::u16string_view line, size_t p);
// The run of decimal digits starting at `from` (empty past the end).
std::u16string_view DigitsAt(std::u16string_view line, size_t from);
// The run of digits, "+", "-" and "." starting at `from`: a coordinate value.
std::u16string_view CoordinateValueAt(std::u16string_view line, size_t from);
// A word number read from its digits (saturating); nullopt when there are none, since a G or M
// letter without digits is no numbered word.
std::optional<int32_t> WordNumber(std::u16string_view digits);
// Sets the G and M flags of one line after another. Only the flags the previous line set are
// unset (the first line clears both arrays), so a line costs its own words, not two arrays.
class WordFlagSetter {
 public:
  WordFlagSetter(WordFlags& gFlags, WordFlags& mFlags) : gFlags_(gFlags), mFlags_(mFlags) {}

  // Sets the flag of each G or M word of line numbered below kFlagCount, read as WordClassAt
  // reads words, and calls visit(letter, number) for each.
  template <typename Visit>
  void Set(std::u16string_view line, Visit visit) {
    Unset();
    for (size_t p = 0; p + 1 < line.size(); ++p) {
      if (line[p] != u'G' && line[p] != u'M') continue;
      const std::optional<int32_t> number = WordNumber(DigitsAt(line, p + 1));
      if (!number || *number >= kFlagCount) continue;
      int32_t& flag = (line[p] == u'G' ? gFlags_ : mFlags_)[static_cast<size_t>(*number)];
      flag = 1;
      set_.push_back(&flag);
      visit(line[p], *number);
    }
  }
  void Set(std::u16string_view line) {
    Set(line, [](char16_t, int32_t) {});
  }

 private:
  void Unset();

  WordFlags& gFlags_;
  WordFlags& mFlags_;
  bool cleared_ = false;
  std::vector<int32_t*> set_;  // the flags the current line set
};

}  // namespace qv
