// Step 10 of the dictionary rewrite up to the alignment: the word removal and the special code
// II substitution.
#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/DictionarySteps.h"
#include "engine/DictionaryWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr std::u16string_view kMark = u"!-!";

// Which characters (folded to 7 bits) a text holds: a pair whose left text holds a character the
// line lacks cannot occur there, which spares most searches of a long pair list.
struct CharMask {
  std::array<uint64_t, 2> bits{};

  void Add(std::u16string_view text) {
    for (const char16_t c : text) bits[(c >> 6) & 1] |= uint64_t{1} << (c & 63);
  }
  bool Covers(const CharMask& other) const {
    return (other.bits[0] & ~bits[0]) == 0 && (other.bits[1] & ~bits[1]) == 0;
  }
};

struct Pair {
  DictionaryPair text;
  CharMask mask;
};

// Substituted stretches of a line, from an opening mark to the end of its closing mark.
struct Regions {
  std::vector<std::pair<size_t, size_t>> spans;

  bool Overlaps(size_t start, size_t end) const {
    return std::any_of(spans.begin(), spans.end(),
                       [&](const auto& s) { return start < s.second && end > s.first; });
  }
  void Replace(size_t at, size_t oldSize, size_t newSize) {
    for (auto& s : spans) {
      if (s.first > at) {
        s.first = s.first + newSize - oldSize;
        s.second = s.second + newSize - oldSize;
      }
    }
    spans.emplace_back(at, at + newSize);
  }
};

// Applies the pairs in order; true when a pair with an empty right text occurs.
bool SubstituteLine(std::u16string& line, const std::vector<Pair>& pairs) {
  CharMask mask;
  mask.Add(line);
  Regions regions;
  bool emptyRight = false;
  for (const Pair& pair : pairs) {
    if (!mask.Covers(pair.mask)) continue;
    const std::u16string& left = pair.text.left;
    for (size_t at = line.find(left); at != std::u16string::npos; at = line.find(left, at + 1)) {
      if (pair.text.right.empty()) {
        emptyRight = true;
        break;
      }
      if (regions.Overlaps(at, at + left.size())) continue;
      const std::u16string text = std::u16string(kMark) + pair.text.right + std::u16string(kMark);
      line.replace(at, left.size(), text);
      regions.Replace(at, left.size(), text.size());
      mask.Add(text);
    }
  }
  return emptyRight;
}

bool HoldsCoordinateCode(std::u16string_view line) {
  return Contains(line, u"G90") || Contains(line, u"G91") || Contains(line, u"G92");
}

}  // namespace

LineList WithoutSourceWords(const TaggedLines& work) {
  LineList lines;
  lines.reserve(work.lines.size());
  for (size_t i = 0; i < work.lines.size(); ++i) {
    lines.push_back(RemoveSourceWords(work.lines[i], work.tags[i]));
  }
  return lines;
}

void SubstitutePairs(TaggedLines& work, std::vector<DictionaryPair> pairs, bool g93Converts) {
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const auto& a, const auto& b) { return a.left.size() > b.left.size(); });
  std::vector<Pair> usable;
  for (DictionaryPair& pair : pairs) {
    // An empty left text would match everywhere.
    if (pair.left.empty()) continue;
    CharMask mask;
    mask.Add(pair.left);
    usable.push_back({std::move(pair), mask});
  }
  bool head = true;
  for (size_t i = 0; i < work.lines.size(); ++i) {
    std::u16string& line = work.lines[i];
    std::u16string& tag = work.tags[i];
    head = head && !HoldsCoordinateCode(line);
    const bool comment = Contains(line, u"(");
    if ((head && comment) || (g93Converts && !comment && Contains(line, u"G93"))) {
      tag = u"4";
      continue;
    }
    if (tag.find_first_not_of(u"04") != std::u16string::npos) continue;
    const std::u16string before = line;
    const bool emptyRight = SubstituteLine(line, usable);
    if (emptyRight || line != before) tag.assign(tag.size(), u'2');
    ReplaceAll(line, kMark, u"");
  }
}

}  // namespace qv
