#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The label of the block that a subprogram call line calls: "N" and what follows the first
// "H" when the line has an "H", else "O" and what follows the first "P".
std::u16string SubprogramLabel(std::u16string_view callLine);

// What expanding a called block came to.
enum class SubprogramResult {
  Expanded,     // the block's lines were appended
  NotFound,     // no line equals the label; nothing was appended
  Unprintable,  // a turned value has no NC text (FormatNcNumber); nothing was appended
};

// Copies the block labelled `label` out of `program` (the lines after the label line up to the
// first line holding "M99", both excluded) with its coordinates turned about the origin by
// `angleDegrees`. Coordinates written without a decimal point are in least-increment units of
// the decimal-places option (0..3); turned values are printed with that option's decimals.
SubprogramResult ExpandRotatedSubprogram(const std::vector<std::u16string>& program,
                                         std::u16string_view label, double angleDegrees,
                                         int32_t decimalIndex, std::vector<std::u16string>& out);

// One line of such a block with its X/Y and I/J words turned (dwell and comment lines, and
// lines without X, Y, R, I or J, come back unchanged); nullopt when a turned value cannot be
// printed or an X, Y, I or J value runs straight into an "e" or "E" (it would print as an
// exponent).
std::optional<std::u16string> RotateSubprogramLine(std::u16string_view line, double cosA,
                                                   double sinA, int32_t decimalIndex);

}  // namespace qv
