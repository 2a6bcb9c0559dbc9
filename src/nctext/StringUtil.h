#pragma once

// The string helpers every subsystem uses on UTF-16 text. Numbers are read and printed
// independently of the process locale (the GUI toolkit switches it to the user's).

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// True when needle occurs in text. Inline: the converter asks this of every line many times.
inline bool Contains(std::u16string_view text, std::u16string_view needle) {
  return text.find(needle) != std::u16string_view::npos;
}
inline bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Replaces every occurrence of from (non-empty) by to; returns the number replaced.
size_t ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);

// Removes spaces, tabs, CR and LF at either end.
std::u16string_view Trim(std::u16string_view text);
std::u16string_view TrimLeft(std::u16string_view text);
std::u16string_view TrimRight(std::u16string_view text);

// ASCII-only case folding and comparison (section and key names, name lists).
char16_t ToUpperAscii(char16_t c);
std::u16string ToUpperAscii(std::u16string_view text);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
int CompareNoCase(std::u16string_view a, std::u16string_view b);

// Reads an integer the way C's atoi does: leading blanks, an optional sign, then the leading
// digits; no digits gives 0. Out-of-range values saturate.
int32_t ToInt(std::u16string_view text);
// The whole text must be an integer (optional sign, digits only); otherwise nullopt.
std::optional<int64_t> ParseInt(std::u16string_view text);

// Reads a decimal the way C's atof does in the C locale: leading blanks, sign, digits, point,
// digits, exponent; stops at the first character that does not fit; nothing readable gives 0.
double ToDouble(std::u16string_view text);

// A version text ("1.13") read as a decimal number, times 100, truncated (113). A value
// within rounding error of a whole hundredth counts as that hundredth, so "1.13" is not 112;
// out-of-range values saturate at plus or minus 1e9.
int32_t VersionTimes100(std::u16string_view version);

// The text without its CR and LF characters.
std::u16string RemoveLineBreaks(std::u16string_view text);

// printf-style formatting in the C locale, for ASCII formats ("%6d", "%.3f").
std::u16string Sprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A value printed with exactly `decimals` decimals, as "%.<decimals>f" in the C locale.
std::u16string FormatFixed(double value, int decimals);

// Replaces "%s" markers in order by the given arguments (messages with inserted names).
std::u16string FormatText(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args);

// ASCII bridge, for literals and diagnostics.
std::u16string FromAscii(std::string_view ascii);

}  // namespace qv
