#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"
#include "engine/ProcessLookBack.h"

namespace qv {

// The marker line the macro expansion puts before each expanded figure: it takes the sequence
// number of the block that follows and is never written itself.
inline constexpr std::u16string_view kSubprogramStartLine = u"G00G01G02G03";

// What a position of a normalized line stands for in block generation.
enum class Classified { None, Punch, Marking, G00, G01, G02, G03 };

// The result of classifying one position and the characters it covers.
struct Classification {
  Classified result = Classified::None;
  size_t length = 1;
  bool operator==(const Classification&) const = default;
};

// How the figure-end look-ahead ends.
enum class FigureEnd { GoesOn = 0, Ended = 1, SubprogramEnded = 2 };

// Classifies positions of the normalized lines and looks ahead from a line: which kind of block
// a positioning opens, and whether the figure after a line goes on.
class LineClassifier {
 public:
  LineClassifier(EngineState& state, const EngineInputs& inputs, ProcessLookBack& lookBack);

  // The position p of line: a punch or marking converted condition, a G00 to G03 (or, with a
  // modal condition, the process the look-back finds), a coordinate word under a modal cutting
  // motion, or nothing.
  Classification Classify(std::u16string_view line, size_t p);
  // The kind of block the positioning line at index opens: Punching, Marking, Cutting or None
  // (plain positioning). Takes each examined line's coordinate words.
  BlockKind LookAheadBlockKind(size_t index);
  // Whether the figure goes on after the line at index, by the block kind in force.
  FigureEnd LookAheadFigureEnd(size_t index);

 private:
  // Each: true when the line decides, with the decision in the out argument.
  bool DecideBlockKind(std::u16string_view line, BlockKind& kind);
  bool DecideFigureEnd(size_t index, std::u16string_view line, FigureEnd& end, int32_t& lastG);
  FigureEnd AtCountingPosition(size_t index, std::u16string_view line, size_t p, Classified result,
                               int32_t lastG, bool& decided);

  EngineState& state_;
  ProcessLookBack& lookBack_;
  const bool modal_;
};

}  // namespace qv
