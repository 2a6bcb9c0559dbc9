#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/EngineState.h"

namespace qv {

// Slots of wordValues.
enum class WordSlot { X, Y, Z, R, I, J };

// A coordinate value: values written without a decimal point are in units of the last digit the
// decimal-places choice prints (choice 2: "1500" is 1.5, "1500." is 1500).
double ReadValue(std::u16string_view text, int32_t decimalIndex);
// A number printed with the decimals of the decimal-places choice (1 to 4).
std::u16string FormatValue(double value, int32_t decimalIndex);

// Reads the X, Y, Z, R, I and J words of the line into wordValues and currentXY (letters and
// values in the order met); a dwell's value is no coordinate. I or J set arcMode 1, R sets 0.
void ExtractWords(EngineState& state, std::u16string_view line);
// Follows the tool over the current line (its words already extracted): the absolute end point,
// the arc data, the G93 origin, the figure box and the element list. Does nothing for a line
// without coordinate words.
void TrackMove(EngineState& state, int32_t decimalIndex);

// The text of one slot of wordValues.
const std::u16string& WordValue(const EngineState& state, WordSlot slot);
// Whether the current line has an X or a Y word.
bool HasXYWord(const EngineState& state);

}  // namespace qv
