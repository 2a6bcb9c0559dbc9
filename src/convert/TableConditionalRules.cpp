#include <optional>

#include "convert/ConversionRules.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;
constexpr std::u16string_view kMarker = u"_!_";

// D, C and A of a "D_C_A" entry (A is D for "D_C").
struct ConditionalRule {
  std::u16string_view start;
  std::u16string_view search;
  std::u16string replacement;
};

std::optional<ConditionalRule> ConditionalRuleOf(const TableEntry& entry) {
  const std::u16string_view from = entry.from;
  const size_t first = from.find(u'_');
  if (first == kNone || Contains(from, u"\"")) return std::nullopt;
  const size_t second = from.find(u'_', first + 1);
  ConditionalRule rule;
  rule.start = from.substr(0, first);
  rule.search =
      second == kNone ? from.substr(first + 1) : from.substr(first + 1, second - first - 1);
  rule.replacement = std::u16string(second == kNone ? rule.start : from.substr(second + 1));
  if (rule.start.empty() || rule.search.empty()) return std::nullopt;
  return rule;
}

// True when pos lies in a parenthesised part: the brackets themselves count as inside, and an
// unclosed "(" runs to the end of the line.
bool InsideParentheses(std::u16string_view line, size_t pos) {
  int depth = 0;
  for (size_t i = 0; i <= pos && i < line.size(); ++i) {
    if (line[i] == u'(') ++depth;
    if (i == pos) return depth > 0;
    if (line[i] == u')' && depth > 0) --depth;
  }
  return false;
}

size_t FirstOutsideParentheses(std::u16string_view line, char16_t wanted) {
  int depth = 0;
  for (size_t pos = 0; pos < line.size(); ++pos) {
    if (line[pos] == u'(') ++depth;
    if (depth == 0 && line[pos] == wanted) return pos;
    if (line[pos] == u')' && depth > 0) --depth;
  }
  return kNone;
}

// Text inserted by an earlier rule: from an opening marker to the end of its closing one,
// markers paired in order.
bool InsideMarkedText(std::u16string_view line, size_t pos) {
  size_t open = line.find(kMarker);
  while (open != kNone) {
    const size_t close = line.find(kMarker, open + kMarker.size());
    if (close == kNone) return false;
    if (pos >= open && pos < close + kMarker.size()) return true;
    open = line.find(kMarker, close + kMarker.size());
  }
  return false;
}

bool SlashBefore(std::u16string_view line, size_t pos) {
  const size_t slash = line.find(u'/');
  return slash != kNone && slash < pos;
}

// Step 1 and 2 of a line: D met outside parentheses and not after a "/" switches the rule
// off, and on again when D itself stands there (D is then removed).
void UpdateState(const ConditionalRule& rule, std::u16string& line, bool& active) {
  const size_t pos = FirstOutsideParentheses(line, rule.start.front());
  if (pos == kNone || SlashBefore(line, pos)) return;
  active = false;
  if (InsideMarkedText(line, pos) || line.compare(pos, rule.start.size(), rule.start) != 0) {
    return;
  }
  line.erase(pos, rule.start.size());
  active = true;
}

void ReplaceMarked(const ConditionalRule& rule, std::u16string& line) {
  const size_t pos = line.find(rule.search);
  if (pos == kNone || InsideParentheses(line, pos) || SlashBefore(line, pos) ||
      InsideMarkedText(line, pos)) {
    return;
  }
  std::u16string marked(kMarker);
  marked.append(rule.replacement).append(kMarker);
  line.replace(pos, rule.search.size(), marked);
}

// Deletes every run from an underscore to the next one (or the end of the line).
void RemoveMarkers(std::u16string& line) {
  for (size_t pos = line.find(u'_'); pos != kNone; pos = line.find(u'_', pos)) {
    const size_t next = line.find(u'_', pos + 1);
    line.erase(pos, next == kNone ? kNone : next - pos + 1);
  }
}

}  // namespace

void ApplyConditionalRules(const ConversionTable& table, std::vector<std::u16string>& lines) {
  for (const TableEntry& entry : table.entries) {
    const std::optional<ConditionalRule> rule = ConditionalRuleOf(entry);
    if (!rule) continue;
    bool active = false;
    for (std::u16string& line : lines) {
      UpdateState(*rule, line, active);
      if (active) ReplaceMarked(*rule, line);
    }
  }
  for (std::u16string& line : lines) RemoveMarkers(line);
}

}  // namespace qv
