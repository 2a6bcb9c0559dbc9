#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/EngineInputs.h"
#include "engine/EngineState.h"
#include "engine/ProcessLookBack.h"

namespace qv {

// The size class of s against three limits: 0 up to the first, 1 and 2 up to the next ones, 3
// above them or when s is not comparable.
int32_t SizeClass(double s, double limit0, double limit1, double limit2);

// The template (cut to 255 characters) with every "[A]", "[B]", "[C]" and "[D]" replaced by the
// condition's program variables; an empty fourth variable makes "[D]" the dictionary entry of
// the program's subprogram name.
std::u16string ExpandPlaceholders(std::u16string_view text, const EngineState& state,
                                  const MachiningCondition& condition);

// Chooses the machining condition of a cutting figure (by the size of each element or by the
// long side of the figure) and the work-chute code, and writes them where the block generation
// left its markers.
class ConditionChooser {
 public:
  ConditionChooser(EngineState& state, const EngineInputs& inputs, ProcessLookBack& lookBack);

  // The element code of the last element's size class, appended to text; with `insert`, only
  // when the class changed, and as a new line before the last output line instead.
  void ChooseConditionByElement(bool insert, std::u16string& text);
  // The code of the figure's long side (or, with a modal condition, the converted condition of
  // the process the look-back finds), appended to text.
  void ChooseConditionByShape(std::u16string& text);
  // The work-chute code, appended when the figure closes on itself and is long enough.
  void DecideWorkChute(std::u16string& text);
  // Rewrites the last output line holding marker: the text before it gets the work-chute
  // decision or the condition, followed by the text after it.
  void ReplaceLastMarker(bool workChute, std::u16string_view marker);

 private:
  // Appends code and makes it the last emitted condition, unless it repeats that condition and
  // repeats are not written.
  void AppendCondition(const std::u16string& code, std::u16string& text);
  bool Suppressed(const std::u16string& code) const;
  bool FigureClosesOnItself() const;
  // Width and height of the figure box, each 0 below the point tolerance.
  std::array<double, 2> FigureSides() const;
  size_t& CleanBelow(std::u16string_view marker);
  void LineChanged(size_t index);

  EngineState& state_;
  const EngineInputs& inputs_;
  ProcessLookBack& lookBack_;
  // Per marker searched for: output lines below this index are known not to hold it, so that a
  // search that finds none does not walk the whole output again for the next figure.
  std::vector<std::pair<std::u16string, size_t>> cleanBelow_;
};

}  // namespace qv
