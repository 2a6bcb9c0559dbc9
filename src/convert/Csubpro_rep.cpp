#include "convert/Csubpro_rep.h"

#include <unordered_map>

#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string::npos;

// "M30", "M02" or "G50" anywhere in the line, found in one scan: every pass asks it of every
// line.
bool EndsMainProgram(std::u16string_view line) {
  for (size_t i = 0; i + 2 < line.size(); ++i) {
    const char16_t a = line[i + 1];
    const char16_t b = line[i + 2];
    if (line[i] == u'M' && ((a == u'3' && b == u'0') || (a == u'0' && b == u'2'))) return true;
    if (line[i] == u'G' && a == u'5' && b == u'0') return true;
  }
  return false;
}

// The pass's result and the lookups it made: the lookup list is the program as the pass
// found it, so a label found once is found at the same line again.
class ReplacePass {
 public:
  ReplacePass(const std::vector<std::u16string>& lookup, std::u16string_view end)
      : lookup_(lookup), end_(end) {}

  // Appends the block the label names; false when the result would grow too large.
  bool AppendBlock(const std::u16string& label) {
    const size_t at = LabelLine(label);
    if (at == kNone) return true;
    for (size_t i = at + 1; i < lookup_.size(); ++i) {
      if (Contains(lookup_[i], end_)) {
        replaced = true;
        return true;
      }
      if (!Append(lookup_[i])) return false;
    }
    return true;
  }

  bool Append(const std::u16string& line) {
    if (result.size() >= kMaxReplacedLines) return false;
    result.push_back(line);
    return true;
  }

  std::vector<std::u16string> result;
  bool replaced = false;

 private:
  size_t LabelLine(const std::u16string& label) {
    const auto known = labels_.find(label);
    if (known != labels_.end()) return known->second;
    size_t at = 0;
    while (at < lookup_.size() && !Contains(lookup_[at], label)) ++at;
    if (at == lookup_.size()) at = kNone;
    labels_.emplace(label, at);
    return at;
  }

  const std::vector<std::u16string>& lookup_;
  std::u16string_view end_;
  std::unordered_map<std::u16string, size_t> labels_;
};

}  // namespace

ReplaceStatus Csubpro_rep::ReplaceCalls(std::vector<std::u16string>& outputLines,
                                        std::u16string_view call, std::u16string_view sub,
                                        std::u16string_view end) {
  if (call.empty() || outputLines.empty()) return ReplaceStatus::Done;
  const std::u16string first = outputLines.front();
  const size_t ending = Contains(first, u"%") ? 1 : 0;
  // The lines before the first call stay as they are, so a pass without calls copies nothing.
  size_t i = 0;
  for (; i < outputLines.size() && !Contains(outputLines[i], call); ++i) {
    if (!EndsMainProgram(outputLines[i])) continue;
    if (i + 1 + ending > kMaxReplacedLines) return ReplaceStatus::TooManyLines;
    outputLines.resize(i + 1);
    if (ending != 0) outputLines.push_back(first);
    return ReplaceStatus::Done;
  }
  if (i == outputLines.size()) return ReplaceStatus::Done;

  ReplacePass pass(outputLines, end);
  pass.result.assign(outputLines.begin(), outputLines.begin() + static_cast<ptrdiff_t>(i));
  for (; i < outputLines.size(); ++i) {
    const std::u16string& line = outputLines[i];
    if (EndsMainProgram(line)) {
      if (!pass.Append(line) || (ending != 0 && !pass.Append(first))) {
        return ReplaceStatus::TooManyLines;
      }
      outputLines = std::move(pass.result);
      return ReplaceStatus::Done;
    }
    const size_t at = line.find(call);
    const bool ok = at == kNone
                        ? pass.Append(line)
                        : pass.AppendBlock(std::u16string(sub) + line.substr(at + call.size()));
    if (!ok) return ReplaceStatus::TooManyLines;
  }
  if (pass.replaced) outputLines = std::move(pass.result);
  return ReplaceStatus::Done;
}

}  // namespace qv
