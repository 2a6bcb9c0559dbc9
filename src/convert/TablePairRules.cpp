#include "convert/ConversionRules.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// A and B of an "A=B" or "A;B" entry, split at the first separator.
struct PairRule {
  std::u16string_view first;
  std::u16string_view second;
};

std::vector<PairRule> PairRulesOf(const ConversionTable& table, char16_t separator) {
  std::vector<PairRule> rules;
  for (const TableEntry& entry : table.entries) {
    const size_t at = entry.from.find(separator);
    if (at == std::u16string::npos) continue;
    if (table.kind == TableKind::Input && Contains(entry.from, u"\"")) continue;
    const std::u16string_view from = entry.from;
    PairRule rule{from.substr(0, at), from.substr(at + 1)};
    if (!rule.first.empty() && !rule.second.empty()) rules.push_back(rule);
  }
  return rules;
}

bool Matches(const PairRule& rule, const std::vector<std::u16string>& lines, size_t i) {
  return Contains(lines[i], rule.second) && Contains(lines[i - 1], rule.first);
}

}  // namespace

void ApplyPairRules(const ConversionTable& table, std::vector<std::u16string>& lines) {
  const std::vector<PairRule> deletions = PairRulesOf(table, u'=');
  const std::vector<PairRule> joins = PairRulesOf(table, u';');
  if (deletions.empty() && joins.empty()) return;
  std::vector<bool> emptied(lines.size(), false);
  for (size_t i = 1; i < lines.size(); ++i) {
    for (const PairRule& rule : deletions) {
      if (!Matches(rule, lines, i)) continue;
      lines[i - 1].clear();
      lines[i].clear();
      emptied[i - 1] = emptied[i] = true;
    }
  }
  for (size_t i = 1; i < lines.size(); ++i) {
    for (const PairRule& rule : joins) {
      if (!Matches(rule, lines, i)) continue;
      lines[i - 1] += lines[i];
      lines[i].clear();
      emptied[i] = true;
    }
  }
  if (table.kind != TableKind::String) return;
  size_t kept = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (emptied[i]) continue;
    if (kept != i) lines[kept] = std::move(lines[i]);
    ++kept;
  }
  lines.resize(kept);
}

}  // namespace qv
