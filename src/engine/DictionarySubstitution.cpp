// The dictionary rewrite's word removal and its special code II substitution.
#include <algorithm>
#include <cstdint>

#include "engine/DictionarySteps.h"
#include "engine/DictionaryWords.h"
#include "engine/LineAutomaton.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr std::u16string_view kMark = u"!-!";

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

// The pairs in the order they apply (longest left text first, an empty left text never), with
// a keyword automaton of their left texts. Text a pair puts in is marked as substituted and
// never matched again, so a pair with a right text can only act where its left text stands in
// the line as it came; one with an empty right text must be looked for in the line as it is.
class PairTable {
 public:
  explicit PairTable(std::vector<DictionaryPair> pairs);
  // Applies the pairs to the line; true when one replaced text or a pair with an empty right
  // text occurs.
  bool Substitute(std::u16string& line);

 private:
  // Whether the pair replaced text or, having an empty right text, occurs.
  bool Apply(const DictionaryPair& pair, std::u16string& line, Regions& regions) const;

  std::vector<DictionaryPair> pairs_;
  std::vector<std::vector<int32_t>> pairsByText_;  // by distinct left text
  std::vector<int32_t> emptyRight_;
  LineAutomaton automaton_;
  std::vector<int32_t> candidates_;
  std::vector<uint32_t> seen_;  // by distinct left text: the line it was last found in
  uint32_t lineCount_ = 0;
};

PairTable::PairTable(std::vector<DictionaryPair> pairs) {
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const auto& a, const auto& b) { return a.left.size() > b.left.size(); });
  for (DictionaryPair& pair : pairs) {
    // An empty left text would match everywhere.
    if (pair.left.empty()) continue;
    const auto index = static_cast<int32_t>(pairs_.size());
    const auto next = static_cast<int32_t>(pairsByText_.size());
    const int32_t text = automaton_.Add(pair.left, next);
    if (text == next) pairsByText_.emplace_back();
    pairsByText_[static_cast<size_t>(text)].push_back(index);
    if (pair.right.empty()) emptyRight_.push_back(index);
    pairs_.push_back(std::move(pair));
  }
  automaton_.Build();
  seen_.assign(pairsByText_.size(), 0);
}

bool PairTable::Apply(const DictionaryPair& pair, std::u16string& line, Regions& regions) const {
  const std::u16string& left = pair.left;
  bool replaced = false;
  for (size_t at = line.find(left); at != std::u16string::npos; at = line.find(left, at + 1)) {
    if (pair.right.empty()) return true;
    if (regions.Overlaps(at, at + left.size())) continue;
    const std::u16string text = std::u16string(kMark) + pair.right + std::u16string(kMark);
    line.replace(at, left.size(), text);
    regions.Replace(at, left.size(), text.size());
    replaced = true;
  }
  return replaced;
}

bool PairTable::Substitute(std::u16string& line) {
  ++lineCount_;
  candidates_ = emptyRight_;
  automaton_.Scan(line, [&](int32_t text) {
    if (seen_[static_cast<size_t>(text)] == lineCount_) return;
    seen_[static_cast<size_t>(text)] = lineCount_;
    const std::vector<int32_t>& indexes = pairsByText_[static_cast<size_t>(text)];
    candidates_.insert(candidates_.end(), indexes.begin(), indexes.end());
  });
  std::sort(candidates_.begin(), candidates_.end());
  candidates_.erase(std::unique(candidates_.begin(), candidates_.end()), candidates_.end());
  Regions regions;
  bool changed = false;
  for (const int32_t index : candidates_) {
    changed = Apply(pairs_[static_cast<size_t>(index)], line, regions) || changed;
  }
  return changed;
}

}  // namespace

bool HoldsCoordinateCode(std::u16string_view line) {
  return Contains(line, u"G90") || Contains(line, u"G91") || Contains(line, u"G92");
}

LineList WithoutSourceWords(const TaggedLines& work) {
  LineList lines;
  lines.reserve(work.lines.size());
  for (size_t i = 0; i < work.lines.size(); ++i) {
    lines.push_back(RemoveSourceWords(work.lines[i], work.tags[i]));
  }
  return lines;
}

void SubstitutePairs(TaggedLines& work, std::vector<DictionaryPair> pairs, bool g93Converts) {
  PairTable table(std::move(pairs));
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
    if (!table.Substitute(line)) continue;
    tag.assign(tag.size(), u'2');
    ReplaceAll(line, kMark, u"");
  }
}

}  // namespace qv
