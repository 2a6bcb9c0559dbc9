#include "engine/BlockGeneration.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ConditionChooser.h"
#include "engine/EngineLimits.h"
#include "engine/EngineWords.h"
#include "engine/GCodeTexts.h"
#include "engine/LineClassifier.h"
#include "engine/MoveTracking.h"
#include "engine/ProcessLookBack.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr std::u16string_view kConditionMarker = u"[CUT-FIG-CONDITION]";
constexpr std::u16string_view kWorkChuteMarker = u"[W]";

std::u16string_view MotionCode(Motion motion) {
  switch (motion) {
    case Motion::G01:
      return u"G01";
    case Motion::G02:
      return u"G02";
    case Motion::G03:
      return u"G03";
    default:
      return {};
  }
}

class BlockGenerator {
 public:
  BlockGenerator(EngineState& state, const EngineInputs& inputs)
      : state_(state),
        inputs_(inputs),
        record_(inputs.store.record),
        lookBack_(state, inputs.store.condition),
        classifier_(state, inputs, lookBack_),
        chooser_(state, inputs, lookBack_) {}

  void Run();

 private:
  void Emit(std::u16string_view text, bool flush, bool expand = true);
  void EmitLine(std::u16string_view line) { Emit(line, true, false); }
  void EmitCondition(const std::u16string& text);
  void EmitMarkingEnd();
  void EmitCuttingEnd();
  void EmitCoordinatePart();
  void EmitSequenceNumber();
  void EmitHead();
  bool G93Converts() const;
  // The move by the last G93 shift in place of the line, or the line as it is; no block is open
  // after either.
  void ShiftOriginOrEmit(std::u16string_view line, bool shift);

  // Puts the line at index into line_ with the compensation carry, its flags and modal motion and
  // the added motion code; returns its G texts.
  GCodeTexts PrepareLine(size_t index);
  std::optional<Motion> FlagWords(std::u16string_view line);
  void ConvertLine(size_t index);
  void DecideLine(std::u16string_view line, const GCodeTexts& codes, size_t index, bool hasXY);
  void InCuttingBlock(std::u16string_view line, const GCodeTexts& codes, size_t index, bool hasXY);
  void OpenBlock(std::u16string_view line, const GCodeTexts& codes, size_t index);
  void OpenMarkingBlock(std::u16string_view line, size_t index);
  void HandleFigureEnd(FigureEnd end);

  EngineState& state_;
  const EngineInputs& inputs_;
  const PostRecord& record_;
  ProcessLookBack lookBack_;
  LineClassifier classifier_;
  ConditionChooser chooser_;
  std::u16string pending_;
  std::u16string line_;          // the line being converted
  std::u16string compensation_;  // G41 or G42 waiting for the first cutting move
  bool coordinatePartDone_ = false;
  // The flags the last line set, so that the next line clears just those.
  WordFlagSetter flags_{state_.gFlags, state_.mFlags};
};

void BlockGenerator::Emit(std::u16string_view text, bool flush, bool expand) {
  if (!text.empty()) {
    pending_ +=
        expand ? ExpandPlaceholders(text, state_, inputs_.store.condition) : std::u16string(text);
  }
  if (flush) {
    state_.outputLines.push_back(std::move(pending_));
    pending_.clear();
  }
}

// Repeats of the last condition stay out when asked; the comparison is on the template as
// written, before its placeholders are expanded.
void BlockGenerator::EmitCondition(const std::u16string& text) {
  if (record_.skipSameCondition == 0 || text != state_.lastCondition) Emit(text, false);
  state_.lastCondition = text;
}

void BlockGenerator::EmitMarkingEnd() {
  pending_ += u";";
  Emit(record_.markShapeLine, true);
  state_.lastConditionClass = -1;
}

void BlockGenerator::EmitCuttingEnd() {
  Emit(record_.cutShapeLine, true);
  state_.lastConditionClass = -1;
}

void BlockGenerator::EmitCoordinatePart() {
  Emit(record_.coordinateSettingLine, true);
  coordinatePartDone_ = true;
}

void BlockGenerator::EmitSequenceNumber() {
  if (record_.sequenceMode != 0) return;
  state_.outputLines.push_back(record_.sequenceCode + Sprintf("%d", state_.sequenceNumber));
  ++state_.sequenceNumber;
}

void BlockGenerator::EmitHead() {
  Emit(record_.headLine1a, true, false);
  pending_.clear();
  const LineList& lines = state_.normalizedLines;
  const auto checked = std::min<size_t>(
      lines.size(), static_cast<size_t>(std::max(0, inputs_.keepLists.oCodeCheckCounter)));
  for (size_t i = 0; i < checked; ++i) {
    if (WordClassAt(lines[i], 0) == WordClass::ProgramNumber) state_.ownProgramNumber = 1;
  }
  const bool numbered = !record_.programAddress.empty() && !record_.programNumber.empty();
  const bool comments = record_.keepHeadComment != 0 && inputs_.headComments != nullptr;
  if (numbered) {
    Emit(record_.programAddress + record_.programNumber, false, false);
    const std::u16string comment = RemoveLineBreaks(record_.comment);
    if (!comment.empty()) Emit(u"(" + comment + u")", false);
    Emit(u"", true);
  }
  if (comments) {
    for (const std::u16string& c : *inputs_.headComments) state_.outputLines.push_back(c);
  }
  if (numbered || state_.ownProgramNumber == 0) Emit(record_.headLine2, true);
}

bool BlockGenerator::G93Converts() const {
  return inputs_.runWide.g93Mode == 0 && record_.coordinateMode == 1;
}

void BlockGenerator::ShiftOriginOrEmit(std::u16string_view line, bool shift) {
  if (shift) {
    // A "G92X0Y0" line follows once the line is written.
    const Point by = state_.positions.g93Shift;
    pending_ = u"G90G00X" + FormatValue(by.x, record_.decimalIndex) + u"Y" +
               FormatValue(by.y, record_.decimalIndex);
    state_.originResetPending = 1;
  } else {
    EmitLine(line);
  }
  state_.blockState = 0;
}

// Compensation carry, modal motion and the added motion code.
// Sets the G and M flags of the line's words (numbered below 100) and returns the motion of its
// last G00 to G03 word, if it has one: one pass for both.
std::optional<Motion> BlockGenerator::FlagWords(std::u16string_view line) {
  std::optional<Motion> motion;
  flags_.Set(line, [&motion](char16_t letter, int32_t number) {
    if (letter == u'G' && number <= 3) motion = static_cast<Motion>(number + 1);
  });
  return motion;
}

GCodeTexts BlockGenerator::PrepareLine(size_t index) {
  std::u16string& line = line_;
  line.assign(state_.normalizedLines[index]);
  GCodeTexts codes(line);
  if (codes.Has(1) && !compensation_.empty()) {
    line.insert(0, compensation_);
    compensation_.clear();
    codes = GCodeTexts(line);
  } else if (codes.Has(0)) {
    for (const std::u16string_view code : {u"G41", u"G42"}) {
      const size_t at = line.find(code);
      if (at == std::u16string::npos) continue;
      line.erase(at, code.size());
      compensation_ = code;
      codes = GCodeTexts(line);
      break;
    }
  }
  if (const auto motion = FlagWords(line)) state_.modalMotion = *motion;
  if (codes.HasCuttingCode() && Contains(line, u"G01G02G03")) state_.modalMotion = Motion::G00;
  const std::u16string_view code = MotionCode(state_.modalMotion);
  if (record_.addMotionCodes != 0 && !StartsWith(line, u"G04") && !code.empty() &&
      !Contains(line, code)) {
    line.insert(0, code);
    codes = GCodeTexts(line);
  }
  return codes;
}

void BlockGenerator::ConvertLine(size_t index) {
  state_.lineIndex = static_cast<int32_t>(index);
  pending_.clear();
  for (std::u16string& value : state_.wordValues) value.clear();
  state_.currentXY.clear();
  const GCodeTexts codes = PrepareLine(index);
  // The line stays in line_: the figure-end handling clears currentLine.
  const std::u16string_view line = line_;
  state_.currentLine = line;
  ExtractWords(state_, line);
  const bool hasXY = HasXYWord(state_);
  if (hasXY) TrackMove(state_, record_.decimalIndex);
  for (size_t p = 0; p < line.size();) {
    const Classification c = classifier_.Classify(line, p);
    if (c.result != Classified::Punch && c.result != Classified::Marking) {
      DecideLine(line, codes, index, hasXY);
      break;
    }
    p += std::max<size_t>(c.length, 1);
  }
  if (!pending_.empty()) state_.outputLines.push_back(pending_);
  if (G93Converts() && state_.originResetPending != 0) {
    state_.outputLines.emplace_back(u"G92X0Y0");
    state_.originResetPending = 0;
  }
}

void BlockGenerator::DecideLine(std::u16string_view line, const GCodeTexts& codes, size_t index,
                                bool hasXY) {
  if (codes.Has(90)) state_.incremental = 0;
  if (codes.Has(91)) state_.incremental = 1;
  if (codes.Has(93)) {
    ShiftOriginOrEmit(line, G93Converts());
    return;
  }
  if (!codes.Has(0) && state_.blockState == 1) {
    InCuttingBlock(line, codes, index, hasXY);
    return;
  }
  if (!coordinatePartDone_) EmitCoordinatePart();
  if (hasXY) {
    OpenBlock(line, codes, index);
  } else if (line == kSubprogramStartLine) {
    EmitSequenceNumber();
    state_.sequenceJustEmitted = 1;
  } else {
    EmitLine(line);
  }
}

void BlockGenerator::InCuttingBlock(std::u16string_view line, const GCodeTexts& codes, size_t index,
                                    bool hasXY) {
  if (StartsWith(line, u"O")) state_.modalMotion = Motion::None;
  const bool g92 = codes.Has(92);
  if (codes.Has(90)) {
    EmitLine(line);
    if (!g92) return;
  } else if (codes.Has(91)) {
    EmitLine(line);
    if (g92 && !coordinatePartDone_) EmitCoordinatePart();
    return;
  }
  if (g92) {
    EmitLine(line);
    if (!coordinatePartDone_) EmitCoordinatePart();
    return;
  }
  if (StartsWith(line, u"O") && !codes.HasCuttingCode() && !hasXY) {
    // The program's own number line is swallowed once: the head already wrote one.
    if (state_.ownProgramNumber != 0) {
      state_.ownProgramNumber = 0;
    } else {
      EmitLine(line);
    }
    return;
  }
  EmitLine(line);
  const FigureEnd end = classifier_.LookAheadFigureEnd(index);
  if (end == FigureEnd::Ended) state_.blockState = 0;
  HandleFigureEnd(end);
}

void BlockGenerator::OpenBlock(std::u16string_view line, const GCodeTexts& codes, size_t index) {
  state_.blockKind = classifier_.LookAheadBlockKind(index);
  switch (state_.blockKind) {
    case BlockKind::None:
      ShiftOriginOrEmit(line, G93Converts() && codes.Has(93));
      break;
    case BlockKind::Cutting:
      if (state_.sequenceJustEmitted == 0) {
        EmitSequenceNumber();
      } else {
        state_.sequenceJustEmitted = 0;
      }
      pending_ = line;
      Emit(record_.cutPositionSuffix, true);
      // The marker shares its line with the tail until the figure's condition replaces it.
      pending_ = kConditionMarker;
      state_.cutConditionMarker = kConditionMarker;
      Emit(record_.cutCondition, true);
      state_.firstElementPending = 1;
      state_.blockState = 1;
      break;
    case BlockKind::Punching:
      EmitSequenceNumber();
      pending_ = line;
      Emit(record_.punchPositionSuffix, true);
      EmitCondition(record_.punchConvertedCondition);
      Emit(record_.punchCondition, true);
      Emit(record_.punchLine3, true);
      state_.blockState = 2;
      break;
    case BlockKind::Marking:
      EmitSequenceNumber();
      OpenMarkingBlock(line, index);
      break;
  }
}

void BlockGenerator::OpenMarkingBlock(std::u16string_view line, size_t index) {
  const bool modal = inputs_.store.condition.conditionIsModal == 1;
  if (!modal || StartsWith(line, u"G00")) {
    pending_ = line;
    Emit(record_.markPositionSuffix, true);
    EmitCondition(record_.markConvertedCondition);
    Emit(record_.markCondition, true);
    if (modal) return;
    // Only for its side effect: a "G40" or "M99" line ahead sets the modal motion.
    classifier_.LookAheadFigureEnd(index);
    state_.blockState = 3;
  } else if (classifier_.LookAheadFigureEnd(index) == FigureEnd::Ended) {
    pending_ = line;
    EmitMarkingEnd();
  } else {
    pending_ = line;
  }
}

void BlockGenerator::HandleFigureEnd(FigureEnd end) {
  const bool ended = end == FigureEnd::Ended;
  std::u16string unused;
  if (state_.blockKind == BlockKind::Cutting) {
    if (inputs_.store.condition.autoConditionBasis == 1) {
      if (ended) {
        chooser_.ChooseConditionByElement(true, unused);
        EmitCuttingEnd();
        chooser_.ReplaceLastMarker(true, kWorkChuteMarker);
      } else if (state_.firstElementPending == 1) {
        chooser_.ReplaceLastMarker(false, kConditionMarker);
        state_.firstElementPending = 0;
      } else {
        chooser_.ChooseConditionByElement(true, unused);
      }
    } else if (ended) {
      EmitCuttingEnd();
      chooser_.ReplaceLastMarker(false, kConditionMarker);
      chooser_.ReplaceLastMarker(true, kWorkChuteMarker);
    }
  } else if (state_.blockKind == BlockKind::Marking && ended) {
    EmitMarkingEnd();
  }
  state_.currentXY.clear();
  state_.currentLine.clear();
  for (std::u16string& value : state_.wordValues) value.clear();
}

void BlockGenerator::Run() {
  pending_.clear();
  state_.currentXY.clear();
  state_.currentLine.clear();
  for (std::u16string& value : state_.wordValues) value.clear();
  state_.gFlags.fill(0);
  state_.mFlags.fill(0);
  state_.blockKind = BlockKind::None;
  state_.modalMotion = Motion::None;
  state_.incremental = 0;
  state_.arcMode = -1;
  state_.firstElementPending = 0;
  state_.lastConditionClass = -1;
  EmitHead();
  state_.blockState = 0;
  coordinatePartDone_ = false;
  compensation_.clear();
  state_.outputLines.reserve(state_.outputLines.size() + state_.normalizedLines.size() * 2);
  for (size_t i = 0; i < state_.normalizedLines.size(); ++i) ConvertLine(i);
  Emit(record_.endPart, true);
}

}  // namespace

void GenerateBlocks(EngineState& state, const EngineInputs& inputs) {
  BlockGenerator(state, inputs).Run();
}

}  // namespace qv
