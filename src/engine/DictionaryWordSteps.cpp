// The dictionary rewrite's working list, made word by word from the expanded program.
#include <algorithm>

#include "engine/DictionarySteps.h"
#include "engine/DictionaryWords.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

struct SplitCode {
  Words words;
  std::u16string to;
  size_t toWords = 0;
};

// Replaces every whole-word match of the code, left to right, without overlap.
void ApplyLineCode(const SplitCode& code, Words& words, std::u16string& tag) {
  const size_t m = code.words.size();
  for (size_t i = 0; i + m <= words.size();) {
    if (!std::equal(code.words.begin(), code.words.end(),
                    words.begin() + static_cast<ptrdiff_t>(i))) {
      ++i;
      continue;
    }
    words[i] = code.to;
    tag[i] = code.to.empty() ? u'8' : u'3';
    for (size_t r = 1; r < m; ++r) {
      words[i + r].clear();
      tag[i + r] = u'5';
    }
    const size_t extra = code.toWords > 1 ? code.toWords - 1 : 0;
    words.insert(words.begin() + static_cast<ptrdiff_t>(i) + 1, extra, std::u16string());
    tag.insert(i + 1, extra, u'7');
    i += m + extra;
  }
}

// Compares the line's words with the normalized line's, marking the differing ones '4'.
void MarkDifferingWords(std::u16string_view line, std::u16string_view normalized,
                        std::u16string& tag) {
  const Words words = SplitByTag(line, tag);
  const Words source = SplitByTag(normalized, tag);
  size_t k = 0;
  size_t q = 0;
  for (const std::u16string& word : words) {
    while (q < tag.size() && tag[q] == u'7') ++q;
    if (k == source.size()) {
      for (; q < tag.size(); ++q) {
        if (tag[q] != u'7' && tag[q] != u'5') tag[q] = u'4';
      }
      return;
    }
    if (word != source[k]) {
      if (q < tag.size()) tag[q] = u'4';
    } else {
      ++k;
    }
    ++q;
  }
}

bool OnlySourceOrDeleted(std::u16string_view tag) {
  return tag.find_first_not_of(u"48") == std::u16string_view::npos;
}

// Replaces every occurrence, the search going on one character after each replaced start;
// false when the word's replacements pass the limit.
bool ReplaceInWord(std::u16string& word, std::u16string_view from, std::u16string_view to,
                   int32_t& count) {
  for (size_t at = word.find(from); at != std::u16string::npos; at = word.find(from, at + 1)) {
    if (++count > kMaxWordReplacements) return false;
    word.replace(at, from.size(), to);
  }
  return true;
}

// The tag without its '7's (one in the first place stays), then '6' for each changed word and
// '7's for the extra words it now holds.
void RetagChangedWords(const Words& before, const Words& after, std::u16string& tag) {
  const bool leading = !tag.empty() && tag[0] == u'7';
  std::erase(tag, u'7');
  if (leading) tag.insert(tag.begin(), u'7');
  for (size_t x = 0; x < after.size(); ++x) {
    if (after[x] == before[x]) continue;
    if (x < tag.size() && tag[x] != u'3') tag[x] = u'6';
    const size_t held = CountWords(after[x]);
    if (held > 1) tag.insert(std::min(x + 1, tag.size()), held - 1, u'7');
  }
}

}  // namespace

TaggedLines TagByLineCodes(const LineList& expanded, const std::vector<LineCode>& codes) {
  std::vector<SplitCode> split;
  for (const LineCode& code : codes)
    split.push_back({SplitWords(code.from), code.to, CountWords(code.to)});
  TaggedLines work;
  work.lines.reserve(expanded.size());
  work.tags.reserve(expanded.size());
  for (const std::u16string& line : expanded) {
    // A code matches only where its search text stands in the line.
    const bool untouched = std::none_of(codes.begin(), codes.end(), [&](const LineCode& code) {
      return Contains(line, code.from);
    });
    if (untouched) {
      work.lines.push_back(line);
      work.tags.emplace_back(CountWords(line), u'0');
      continue;
    }
    Words words = SplitWords(line);
    std::u16string tag(words.size(), u'0');
    for (const SplitCode& code : split) ApplyLineCode(code, words, tag);
    work.lines.push_back(JoinWords(words));
    work.tags.push_back(std::move(tag));
  }
  return work;
}

void AlignWithNormalized(TaggedLines& work, const LineList& normalized) {
  size_t n = 0;
  for (size_t i = 0; i < work.lines.size(); ++i) {
    std::u16string& tag = work.tags[i];
    if (n == normalized.size()) {
      std::fill(tag.begin(), tag.end(), u'4');
      continue;
    }
    const bool equal = work.lines[i] == normalized[n];
    if (!equal) MarkDifferingWords(work.lines[i], normalized[n], tag);
    if (equal || !OnlySourceOrDeleted(tag)) ++n;
  }
}

int32_t ApplyStringCodesByWord(TaggedLines& work, const LineList& from, const LineList& to) {
  std::vector<size_t> codes;
  for (size_t k = 0; k < from.size() && k < to.size(); ++k) {
    if (!from[k].empty()) codes.push_back(k);
  }
  if (codes.empty()) return 0;
  for (size_t i = 0; i < work.lines.size(); ++i) {
    const Words before = SplitByTag(work.lines[i], work.tags[i]);
    Words after = before;
    for (std::u16string& word : after) {
      int32_t count = 0;
      for (const size_t k : codes) {
        if (!ReplaceInWord(word, from[k], to[k], count)) return -1;
      }
    }
    RetagChangedWords(before, after, work.tags[i]);
    work.lines[i] = JoinWords(after);
  }
  return 0;
}

void InsertSourceLines(TaggedLines& work, const LineList& stripped, const LineList& expanded) {
  TaggedLines merged;
  size_t next = 0;
  for (size_t i = 0; i < stripped.size(); ++i) {
    if (i < expanded.size() && stripped[i] == expanded[i]) continue;
    for (; merged.lines.size() < i && next < work.lines.size(); ++next) {
      merged.lines.push_back(std::move(work.lines[next]));
      merged.tags.push_back(std::move(work.tags[next]));
    }
    merged.lines.push_back(stripped[i]);
    merged.tags.emplace_back(CountWords(stripped[i]), u'4');
  }
  for (; next < work.lines.size(); ++next) {
    merged.lines.push_back(std::move(work.lines[next]));
    merged.tags.push_back(std::move(work.tags[next]));
  }
  work = std::move(merged);
}

}  // namespace qv
