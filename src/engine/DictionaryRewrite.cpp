#include "engine/DictionaryRewrite.h"

#include <algorithm>
#include <optional>

#include "engine/DictionarySteps.h"
#include "engine/DictionaryWords.h"
#include "engine/SubprogramDictionary.h"
#include "macro/CGMacroChg.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr std::u16string_view kFigureMarker = u"G00G01G02G03";

// The selected post's pairs, each line cut at its first blank; a line without one is all right
// text.
std::vector<DictionaryPair> ReadPairs(const EngineState& state, const EngineInputs& inputs) {
  std::vector<DictionaryPair> pairs;
  const std::optional<LineList> lines =
      ReadSpecialCodeBlock(state.specialCodePath, inputs.store.post.newName);
  if (!lines) return pairs;
  for (const std::u16string& line : *lines) {
    const size_t blank = line.find(u' ');
    if (blank == std::u16string::npos) {
      pairs.push_back({u"", line});
    } else {
      pairs.push_back({line.substr(0, blank), line.substr(blank + 1)});
    }
  }
  return pairs;
}

// The post's line-unit codes whose search text starts a word of its own.
std::vector<LineCode> LineCodes(const PostRecord& record) {
  std::vector<LineCode> codes;
  for (size_t k = 0; k < record.lineCodeFrom.size(); ++k) {
    const std::u16string& from = record.lineCodeFrom[k];
    if (from.empty() || !IsWordStart(from[0])) continue;
    codes.push_back({from, record.lineCodeTo[k]});
  }
  return codes;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\u3000'; }

// Blanks go, except inside the first parenthesised comment.
void RemoveBlanks(LineList& lines) {
  for (std::u16string& line : lines) {
    if (std::none_of(line.begin(), line.end(), IsBlank)) continue;
    const size_t open = line.find(u'(');
    const size_t close = open == std::u16string::npos ? open : line.find(u')', open);
    std::u16string kept;
    for (size_t p = 0; p < line.size(); ++p) {
      const bool inside = open != std::u16string::npos && p >= open &&
                          (close == std::u16string::npos || p <= close);
      if (inside || !IsBlank(line[p])) kept += line[p];
    }
    line = std::move(kept);
  }
}

// Lines holding a marking or punch source condition become the converted condition: the
// marking rule first, then the punch rule on the line as it then stands.
void ApplyConditions(LineList& lines, const MachiningCondition& condition) {
  const auto holds = [](std::u16string_view line, std::u16string_view code) {
    return !code.empty() && Contains(line, code);
  };
  for (std::u16string& line : lines) {
    if (holds(line, condition.marking[0]) || holds(line, condition.marking[2])) {
      line = condition.marking[1];
    }
    if (holds(line, condition.punch[0])) line = condition.punch[1];
  }
}

void ExpandMacros(LineList& lines, const PostRecord& record) {
  CGMacroChg macro;
  macro.SetOptions({record.decimalIndex, record.macroMode, record.cutterSide});
  macro.ExpandInPlace(lines);
}

// The modal motion code in front of motion lines written without one.
void AddMotionCodes(TaggedLines& work) {
  std::u16string_view modal;
  for (size_t i = 0; i < work.lines.size(); ++i) {
    std::u16string& line = work.lines[i];
    if (Contains(line, u"G00")) {
      modal = {};
      continue;
    }
    bool motion = false;
    for (const std::u16string_view code : {u"G01", u"G02", u"G03"}) {
      if (Contains(line, code)) {
        modal = code;
        motion = true;
        break;
      }
    }
    if (motion || modal.empty() || (!Contains(line, u"X") && !Contains(line, u"Y"))) continue;
    line.insert(0, modal);
    work.tags[i].insert(0, u"0");
  }
}

// The converted condition lines go: block generation writes its own.
void RemoveConditionLines(TaggedLines& work, const MachiningCondition& condition) {
  TaggedLines kept;
  for (size_t i = 0; i < work.lines.size(); ++i) {
    const std::u16string& line = work.lines[i];
    if (line == condition.marking[1] || line == condition.punch[1]) continue;
    kept.lines.push_back(std::move(work.lines[i]));
    kept.tags.push_back(std::move(work.tags[i]));
  }
  work = std::move(kept);
}

// The merge by tags: a converted line stays; every other line is its substituted form unless it
// holds only source and deleted words.
LineList MergeByTags(TaggedLines aligned, LineList substituted) {
  LineList merged;
  merged.reserve(aligned.lines.size());
  size_t next = 0;
  for (size_t i = 0; i < aligned.tags.size(); ++i) {
    const std::u16string& tag = aligned.tags[i];
    if (tag == u"9") {
      merged.push_back(std::move(aligned.lines[i]));
      continue;
    }
    std::u16string& line = substituted.at(next++);
    if (tag.find_first_not_of(u"48") != std::u16string::npos) merged.push_back(std::move(line));
  }
  return merged;
}

// The program lists the working list is made from, cleaned and expanded as the source was.
void PrepareSources(EngineState& state, const EngineInputs& inputs) {
  RemoveBlanks(state.strippedLines);
  ApplyConditions(state.expandedLines, inputs.store.condition);
  ApplyConditions(state.strippedLines, inputs.store.condition);
  for (LineList* lines : {&state.strippedLines, &state.normalizedLines, &state.expandedLines}) {
    std::erase(*lines, kFigureMarker);
  }
  ExpandMacros(state.strippedLines, inputs.store.record);
}

// The working list, word by word from the expanded program; nullopt when a string-unit code
// never stops replacing.
std::optional<TaggedLines> BuildWorkingList(const EngineState& state, const EngineInputs& inputs) {
  const PostRecord& record = inputs.store.record;
  TaggedLines work = TagByLineCodes(state.expandedLines, LineCodes(record));
  AlignWithNormalized(work, state.normalizedLines);
  if (ApplyStringCodesByWord(work, state.stringFrom, state.stringTo) != 0) return std::nullopt;
  InsertSourceLines(work, state.strippedLines, state.expandedLines);
  if (record.addMotionCodes != 0) AddMotionCodes(work);
  RemoveConditionLines(work, inputs.store.condition);
  return work;
}

}  // namespace

int32_t RewriteByDictionary(EngineState& state, const EngineInputs& inputs) {
  std::vector<DictionaryPair> pairs = ReadPairs(state, inputs);
  if (pairs.empty()) return 0;
  PrepareSources(state, inputs);
  std::optional<TaggedLines> work = BuildWorkingList(state, inputs);
  if (!work) return -1;
  const LineList plain = WithoutSourceWords(*work);
  SubstitutePairs(*work, std::move(pairs), G93ConversionApplies(inputs));
  LineList substituted = WithoutSourceWords(*work);
  TaggedLines aligned = AlignConverted(plain, std::move(work->tags), state.outputLines);
  LineList merged = MergeByTags(std::move(aligned), std::move(substituted));
  std::erase(merged, kFigureMarker);
  state.outputLines = std::move(merged);
  return 0;
}

}  // namespace qv
