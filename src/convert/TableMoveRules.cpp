#include "convert/ConversionRules.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;

void ApplyMoveRule(std::u16string_view carrier, std::u16string_view word,
                   std::u16string_view target, std::vector<std::u16string>& lines) {
  bool waiting = false;
  size_t remembered = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!waiting) {
      if (Contains(lines[i], carrier) && Contains(lines[i], word)) {
        waiting = true;
        remembered = i;
      }
      continue;
    }
    if (!Contains(lines[i], target)) continue;
    lines[i].insert(0, word);
    lines[remembered].erase(lines[remembered].find(word), word.size());
    waiting = false;
  }
}

}  // namespace

void ApplyMoveRules(const ConversionTable& table, std::vector<std::u16string>& lines) {
  for (const TableEntry& entry : table.entries) {
    const std::u16string_view from = entry.from;
    const size_t first = from.find(u'\\');
    const size_t second = first == kNone ? kNone : from.find(u'\\', first + 1);
    if (second == kNone || Contains(from, u"\"")) continue;
    const std::u16string_view word = from.substr(first + 1, second - first - 1);
    const std::u16string_view target = from.substr(second + 1);
    if (word.empty() || target.empty()) continue;
    ApplyMoveRule(from.substr(0, first), word, target, lines);
  }
}

void ApplyLineRules(const ConversionTable& table, std::vector<std::u16string>& lines) {
  for (const TableEntry& entry : table.entries) {
    const std::u16string& from = entry.from;
    if (from.empty() || from.front() != u'"') continue;
    const size_t closing = from.find(u'"', 1);
    if (closing == kNone || closing < 2) continue;
    std::u16string text = from;
    ReplaceAll(text, u"\"", u"");
    for (std::u16string& line : lines) {
      if (line == text) line = entry.to;
    }
  }
}

}  // namespace qv
