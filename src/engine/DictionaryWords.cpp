#include "engine/DictionaryWords.h"

namespace qv {

bool IsWordStart(char16_t c) {
  return !(c >= u'0' && c <= u'9') &&
         std::u16string_view(u"*+,-./=").find(c) == std::u16string_view::npos;
}

bool StartsWord(std::u16string_view line, size_t p) { return p == 0 || IsWordStart(line[p]); }

Words SplitWords(std::u16string_view line) {
  Words words;
  size_t start = 0;
  for (size_t p = 1; p <= line.size(); ++p) {
    if (p < line.size() && !StartsWord(line, p)) continue;
    words.emplace_back(line.substr(start, p - start));
    start = p;
  }
  return words;
}

size_t CountWords(std::u16string_view line) {
  size_t count = 0;
  for (size_t p = 0; p < line.size(); ++p) count += StartsWord(line, p) ? 1 : 0;
  return count;
}

Words SplitByTag(std::u16string_view line, std::u16string_view tag) {
  Words words;
  size_t previous = 0;
  size_t t = 0;
  for (size_t p = 1; p < line.size() && t < tag.size(); ++p) {
    if (!StartsWord(line, p)) continue;
    while (t < tag.size() && (tag[t] == u'5' || tag[t] == u'8')) {
      words.emplace_back();
      ++t;
    }
    if (t == tag.size()) break;
    const std::u16string_view text = line.substr(previous, p - previous);
    if (tag[t] == u'7' && !words.empty()) {
      words.back().append(text);
    } else {
      words.emplace_back(text);
    }
    ++t;
    previous = p;
  }
  words.emplace_back(line.substr(previous));
  return words;
}

std::u16string JoinWords(const Words& words) {
  std::u16string line;
  for (const std::u16string& word : words) line += word;
  return line;
}

std::u16string RemoveSourceWords(std::u16string_view line, std::u16string_view tag) {
  if (tag.find(u'4') == std::u16string_view::npos) return std::u16string(line);
  std::u16string kept;
  size_t t = 0;
  size_t start = 0;
  for (size_t p = 1; p <= line.size(); ++p) {
    if (p < line.size() && !StartsWord(line, p)) continue;
    while (t < tag.size() && (tag[t] == u'5' || tag[t] == u'8')) ++t;
    if (t >= tag.size() || tag[t] != u'4') kept.append(line.substr(start, p - start));
    ++t;
    start = p;
  }
  return kept;
}

}  // namespace qv
