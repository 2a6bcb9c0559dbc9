#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Longest macro line, after cleaning, that the word reader takes.
inline constexpr size_t kMaxMacroLineLength = 255;
// Magnitude, after rounding, from which a value is not printed: its whole part would need more
// than the nine digits a word value may have when it is read back.
inline constexpr double kNcValueLimit = 1e9;

// The line without spaces and without everything from the first ";" on; nullopt when the
// result would be longer than kMaxMacroLineLength (a line too long is refused, never cut,
// since a cut could silently change a value).
std::optional<std::u16string> CleanNcLine(std::u16string_view line);

// The text without parenthesised parts, then without bracketed parts (nesting counted, an
// unclosed comment removes the rest), and without spaces.
std::u16string StripComments(std::u16string_view text);

// True for a well-formed NC value: digits, at most one ".", at most one leading "-", at most
// 9 characters before the point (10 when negative) and at most 5 after it.
bool IsValidNcNumber(std::u16string_view value);

// True when the value text is written with a decimal point (scanning past digits and signs).
bool HasDecimalPoint(std::u16string_view value);

// The value rounded half away from zero to `digits` decimals (a small negative value gives -0).
double RoundToDigits(double value, int digits);

// The NC text of a value: rounded, printed with `digits` decimals (1 to 4), trailing zeros
// removed but the point kept ("12.5", "12.", "0.", "-0.25"). nullopt for a value that is not
// a number, infinite, or whose rounded magnitude reaches kNcValueLimit: such a value has no
// NC text, and printing it otherwise would give "nan", "inf" or an exponent.
std::optional<std::u16string> FormatNcNumber(double value, int digits);

// Whether a "+" belongs to a word's value: macro words end their value there, while the
// subprogram copy takes a signed value as part of the word it rewrites.
enum class NcPlusSign { EndsValue, InValue };

// The value text after the address letter at text[position]: the run of digits, "." and "-"
// that follows it, and "+" as `plus` says.
std::u16string_view NcWordValue(std::u16string_view text, size_t position, NcPlusSign plus);

}  // namespace qv
