#include "engine/LineClassifier.h"

#include <algorithm>
#include <optional>

#include "engine/EngineLimits.h"
#include "engine/EngineWords.h"
#include "engine/GCodeTexts.h"
#include "engine/MoveTracking.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Whether rest begins with code, comparing at most 255 characters; an empty code never does.
bool BeginsWithCode(std::u16string_view rest, std::u16string_view code) {
  if (code.empty()) return false;
  return StartsWith(rest, code.substr(0, std::min(code.size(), kMaxCompareLength)));
}

bool IsCuttingMotion(Classified c) {
  return c == Classified::G01 || c == Classified::G02 || c == Classified::G03;
}

bool HasCuttingCode(std::u16string_view line) { return GCodeTexts(line).HasCuttingCode(); }

Classified FromMotion(Motion motion) {
  switch (motion) {
    case Motion::G01:
      return Classified::G01;
    case Motion::G02:
      return Classified::G02;
    case Motion::G03:
      return Classified::G03;
    default:
      return Classified::None;
  }
}

}  // namespace

LineClassifier::LineClassifier(EngineState& state, const EngineInputs& inputs,
                               ProcessLookBack& lookBack)
    : state_(state), lookBack_(lookBack), modal_(inputs.store.condition.conditionIsModal == 1) {}

Classification LineClassifier::Classify(std::u16string_view line, size_t p) {
  const std::u16string_view rest = line.substr(p);
  for (size_t k = 0; k < 2 && k < state_.codeTo.size(); ++k) {
    const std::u16string& code = state_.codeTo[k];
    if (BeginsWithCode(rest, code)) {
      return {k == 0 ? Classified::Punch : Classified::Marking, std::min(code.size(), rest.size())};
    }
  }
  const WordClass word = WordClassAt(line, p);
  if (word == WordClass::G) {
    const std::u16string_view digits = DigitsAt(line, p + 1);
    const std::optional<int32_t> number = WordNumber(digits);
    if (number && *number <= 3) {
      const size_t length = 1 + digits.size();
      if (modal_ && state_.lineIndex > 0) {
        const BlockKind process = lookBack_.Find(state_.lineIndex);
        if (process == BlockKind::Marking) return {Classified::Marking, length};
        if (process == BlockKind::Punching) return {Classified::Punch, length};
      }
      static constexpr Classified kMotions[] = {Classified::G00, Classified::G01, Classified::G02,
                                                Classified::G03};
      return {kMotions[*number], length};
    }
  }
  if (word == WordClass::Coordinate) return {FromMotion(state_.modalMotion), 1};
  return {};
}

bool LineClassifier::DecideBlockKind(std::u16string_view line, BlockKind& kind) {
  ExtractWords(state_, line);
  const bool hasXY = HasXYWord(state_);
  for (size_t p = 0; p < line.size();) {
    const Classification c = Classify(line, p);
    if (c.result == Classified::Punch || c.result == Classified::Marking) {
      kind = c.result == Classified::Punch ? BlockKind::Punching : BlockKind::Marking;
      return true;
    }
    if (IsCuttingMotion(c.result) && hasXY) {
      const bool recorded = modal_ && state_.processFoundLast != BlockKind::None;
      kind = recorded ? state_.processFoundLast : BlockKind::Cutting;
      return true;
    }
    if (c.result == Classified::G00) {
      kind = BlockKind::None;
      return true;
    }
    p += std::max<size_t>(c.length, 1);
  }
  const bool plainMove = state_.blockState == 0 && !HasCuttingCode(line) &&
                         (Contains(line, u"X") || Contains(line, u"Y"));
  kind = BlockKind::None;
  return plainMove;
}

BlockKind LineClassifier::LookAheadBlockKind(size_t index) {
  const LineList& lines = state_.normalizedLines;
  BlockKind kind = BlockKind::None;
  for (size_t j = index + 1; j < lines.size(); ++j) {
    if (DecideBlockKind(lines[j], kind)) return kind;
  }
  return BlockKind::None;
}

FigureEnd LineClassifier::AtCountingPosition(size_t index, std::u16string_view line, size_t p,
                                             Classified result, int32_t lastG, bool& decided) {
  decided = true;
  if (line == u"G40") {
    state_.modalMotion = Motion::G00;
    return FigureEnd::Ended;
  }
  if (StartsWith(line, u"M99")) {
    state_.modalMotion = Motion::G00;
    return FigureEnd::SubprogramEnded;
  }
  const BlockKind block = state_.blockKind;
  const FigureEnd byLastG = lastG == 0 ? FigureEnd::Ended : FigureEnd::GoesOn;
  if (result == Classified::G00) {
    if (block == BlockKind::Marking) return FigureEnd::Ended;
    if (block == BlockKind::Cutting) {
      const LineList& lines = state_.normalizedLines;
      const bool next = index + 1 < lines.size() && lines[index + 1] != kSubprogramStartLine &&
                        HasCuttingCode(lines[index + 1]);
      return p == 0 && next ? FigureEnd::GoesOn : FigureEnd::Ended;
    }
  } else if (block == BlockKind::Punching) {
    if (result != Classified::Punch) return FigureEnd::Ended;
  } else if (block == BlockKind::Marking) {
    if (result == Classified::Marking) return byLastG;
    return IsCuttingMotion(result) ? FigureEnd::GoesOn : byLastG;
  } else if (block == BlockKind::Cutting) {
    return IsCuttingMotion(result) ? FigureEnd::GoesOn : FigureEnd::Ended;
  }
  decided = false;
  return FigureEnd::Ended;
}

bool LineClassifier::DecideFigureEnd(size_t index, std::u16string_view line, FigureEnd& end,
                                     int32_t& lastG) {
  const bool endsSubprogram = Contains(line, u"G40") && Contains(line, u"M99");
  for (size_t p = 0; p < line.size();) {
    if (WordClassAt(line, p) == WordClass::G) {
      if (const auto number = WordNumber(DigitsAt(line, p + 1))) lastG = *number;
    }
    const Classification c = Classify(line, p);
    if (c.result != Classified::None || endsSubprogram) {
      bool decided = false;
      end = AtCountingPosition(index, line, p, c.result, lastG, decided);
      if (decided) return true;
    }
    p += std::max<size_t>(c.length, 1);
  }
  return false;
}

FigureEnd LineClassifier::LookAheadFigureEnd(size_t index) {
  const LineList& lines = state_.normalizedLines;
  int32_t lastG = 0;
  FigureEnd end = FigureEnd::Ended;
  for (size_t j = index + 1; j < lines.size(); ++j) {
    if (DecideFigureEnd(j, lines[j], end, lastG)) return end;
  }
  return FigureEnd::Ended;
}

}  // namespace qv
