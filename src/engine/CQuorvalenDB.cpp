#include "engine/CQuorvalenDB.h"

#include <algorithm>
#include <exception>

#include "engine/BlockGeneration.h"
#include "engine/DictionaryRewrite.h"
#include "engine/Normalization.h"
#include "engine/StringPass.h"
#include "engine/SubprogramDictionary.h"
#include "engine/SubprogramOriginPass.h"
#include "macro/PlaneGeometry.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr double kDefaultTolerance = 0.0001;
constexpr std::u16string_view kConversionFailed = u"NCデータ変換に失敗しました。";

int32_t LineAt(const LineList& lines, int32_t index, std::u16string& out) {
  if (index < 0 || static_cast<size_t>(index) >= lines.size()) return -1;
  out = lines[static_cast<size_t>(index)];
  return 0;
}

}  // namespace

CQuorvalenDB::CQuorvalenDB(const PostStore& store, const Settings& runWide,
                           const KeepLists& keepLists)
    : inputs_{store, runWide, keepLists} {
  ResetForRun();
  state_.sourceLines.clear();
  state_.elementCount = 0;
  state_.blockState = 0;
  SetTolerances(kDefaultTolerance, kDefaultTolerance, kDefaultTolerance, kDefaultTolerance,
                kDefaultTolerance, kDefaultTolerance);
}

void CQuorvalenDB::SetHeadCommentList(std::vector<std::u16string>* headComments) {
  inputs_.headComments = headComments;
}

void CQuorvalenDB::PrepareDictionary(const std::u16string& specialCodePath) {
  state_.subprogramName = FindSubprogramName(state_.sourceLines);
  state_.specialCodePath = specialCodePath;
  if (state_.dictionary) {
    state_.dictionary->clear();
  } else {
    state_.dictionary.emplace();
  }
  LoadDictionaryEntries(specialCodePath, inputs_.store.post.newName, *state_.dictionary);
}

std::u16string CQuorvalenDB::LookupDictionary(std::u16string_view name) const {
  if (!state_.dictionary) return {};
  return qv::LookupDictionary(*state_.dictionary, name);
}

void CQuorvalenDB::ResetForRun() {
  EngineState& s = state_;
  for (LineList* list :
       {&s.normalizedLines, &s.outputLines, &s.codeFrom, &s.codeTo, &s.stringFrom, &s.stringTo}) {
    list->clear();
  }
  for (std::u16string& value : s.wordValues) value.clear();
  s.currentXY.clear();
  s.currentLine.clear();
  std::fill(s.matchStart.begin(), s.matchStart.end(), 0);
  std::fill(s.matchEnd.begin(), s.matchEnd.end(), 0);
  std::fill(s.matchCode.begin(), s.matchCode.end(), 0);
  s.gFlags.fill(0);
  s.mFlags.fill(0);
  s.matchCount = 0;
  s.codeCount = 0;
  s.positions.start = {};
  s.positions.end = {};
  s.blockKind = BlockKind::None;
  s.modalMotion = Motion::None;
  s.incremental = -1;
  s.arcMode = -1;
  s.positions.g93Origin = {};
  s.positions.g93Shift = {};
  s.sequenceNumber = inputs_.store.record.sequenceNumber;
}

void CQuorvalenDB::AddCodePair(std::u16string from, std::u16string to) {
  state_.codeFrom.push_back(std::move(from));
  state_.codeTo.push_back(std::move(to));
  ++state_.codeCount;
}

void CQuorvalenDB::AddStringCodePair(std::u16string from, std::u16string to) {
  state_.stringFrom.push_back(std::move(from));
  state_.stringTo.push_back(std::move(to));
}

void CQuorvalenDB::LoadClassLimits() {
  const MachiningCondition& condition = inputs_.store.condition;
  auto load = [this](size_t first, const std::array<std::u16string, 3>& limits) {
    for (size_t i = 0; i < limits.size(); ++i) state_.classLimits[first + i] = ToDouble(limits[i]);
  };
  if (condition.autoConditionBasis == 1) {
    load(0, condition.lineLengthLimits);
    load(3, condition.arcRadiusLimits);
  } else if (condition.autoConditionBasis == 0) {
    load(0, condition.longSideLimits);
  }
}

void CQuorvalenDB::LoadWorkChuteSize() {
  state_.workChuteSize = ToDouble(inputs_.store.condition.workChuteMinLength);
}

int32_t CQuorvalenDB::Normalize() { return NormalizeProgram(state_, inputs_); }

int32_t CQuorvalenDB::Convert() {
  int32_t result = -1;
  try {
    state_.expandedLines.clear();
    state_.strippedLines = state_.sourceLines;
    for (std::u16string& line : state_.strippedLines) std::erase(line, u';');
    if (Normalize() == 0) {
      GenerateBlocks(state_, inputs_);
      ApplyStringCodes(state_, inputs_);
      if (SetSubprogramOrigins(state_, inputs_) == 0 && RewriteByDictionary(state_, inputs_) == 0) {
        result = 0;
      } else if (debugOutput_) {
        debugOutput_(kConversionFailed);
      }
    }
  } catch (const std::exception&) {
    // A failure after normalization leaves a partly built output: never a result.
    if (debugOutput_) debugOutput_(kConversionFailed);
    result = -1;
  }
  LineList().swap(state_.strippedLines);
  LineList().swap(state_.expandedLines);
  return result;
}

int32_t CQuorvalenDB::GetSourceLineCount() const {
  return static_cast<int32_t>(state_.sourceLines.size());
}

int32_t CQuorvalenDB::GetOutputLineCount() const {
  return static_cast<int32_t>(state_.outputLines.size());
}

int32_t CQuorvalenDB::GetSourceLine(int32_t index, std::u16string& out) const {
  return LineAt(state_.sourceLines, index, out);
}

int32_t CQuorvalenDB::GetNormalizedLine(int32_t index, std::u16string& out) const {
  return LineAt(state_.normalizedLines, index, out);
}

int32_t CQuorvalenDB::GetOutputLine(int32_t index, std::u16string& out) const {
  return LineAt(state_.outputLines, index, out);
}

int32_t CQuorvalenDB::GetViewLine(int32_t index, std::u16string& out) const {
  return LineAt(state_.viewLines, index, out);
}

int32_t CQuorvalenDB::GetDisplayLine(int32_t index, std::u16string& out) const {
  switch (displayMode_) {
    case 1:
      return GetSourceLine(index, out);
    case 2:
      return GetOutputLine(index, out);
    case 3:
      return GetViewLine(index, out);
    default:
      return -1;
  }
}

}  // namespace qv
