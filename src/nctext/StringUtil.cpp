#include "nctext/StringUtil.h"

#include <locale.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/Codec.h"

namespace qv {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Switches this thread to the C locale for the lifetime of the object.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
  }
  locale_t previous_;
};

// A plain decimal of at most 15 digits ("-12.5"), read as its digits over a power of ten. Both
// are exact doubles, so the one division rounds exactly as a full conversion does, at a
// fraction of its cost; nullopt for any other text.
std::optional<double> ShortDecimal(std::u16string_view text) {
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) text.remove_prefix(1);
  constexpr int kMaxDigits = 15;
  int64_t digits = 0;
  int count = 0;
  int decimals = 0;
  bool point = false;
  for (const char16_t c : text) {
    if (c == u'.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(c) || ++count > kMaxDigits) return std::nullopt;
    digits = digits * 10 + (c - u'0');
    if (point) ++decimals;
  }
  if (count == 0) return std::nullopt;
  static constexpr double kPowersOfTen[kMaxDigits + 1] = {
      1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
  return negative ? -value : value;
}

}  // namespace

size_t ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return 0;
  size_t count = 0;
  std::u16string result;
  size_t start = 0;
  for (size_t pos = text.find(from); pos != std::u16string::npos; pos = text.find(from, start)) {
    result.append(text, start, pos - start);
    result.append(to);
    start = pos + from.size();
    ++count;
  }
  if (count == 0) return 0;
  result.append(text, start, std::u16string::npos);
  text = std::move(result);
  return count;
}

std::u16string_view TrimLeft(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

std::u16string_view TrimRight(std::u16string_view text) {
  size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::u16string_view Trim(std::u16string_view text) { return TrimRight(TrimLeft(text)); }

char16_t ToUpperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c; }

std::u16string ToUpperAscii(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = ToUpperAscii(c);
  return out;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char16_t ca = ToUpperAscii(a[i]);
    const char16_t cb = ToUpperAscii(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

int32_t ToInt(std::u16string_view text) {
  text = TrimLeft(text);
  bool negative = false;
  if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
    negative = text[0] == u'-';
    text.remove_prefix(1);
  }
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (char16_t c : text) {
    if (!IsDigit(c)) break;
    value = std::min(value * 10 + (c - u'0'), kLimit);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

std::optional<int64_t> ParseInt(std::u16string_view text) {
  std::string ascii;
  for (char16_t c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ascii.empty() || ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

double ToDouble(std::u16string_view text) {
  text = TrimLeft(text);
  if (const std::optional<double> value = ShortDecimal(text)) return *value;
  std::string ascii;
  ascii.reserve(text.size());
  for (char16_t c : text) {
    if (c > 0x7F) break;
    ascii.push_back(static_cast<char>(c));
  }
  const char* begin = ascii.c_str();
  if (*begin == '+') ++begin;  // from_chars refuses a leading plus
  double value = 0;
  const auto [end, ec] = std::from_chars(begin, ascii.c_str() + ascii.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too large gives an infinity, too small 0 (or the nearest tiny value), as atof does.
    const CLocaleScope c;
    return std::strtod(begin, nullptr);
  }
  return ec == std::errc() ? value : 0.0;
}

int32_t VersionTimes100(std::u16string_view version) {
  const double scaled = ToDouble(version) * 100.0;
  const double nearest = std::round(scaled);
  const double value = std::fabs(scaled - nearest) < 1e-6 ? nearest : std::trunc(scaled);
  if (!(value > -1e9)) return -1000000000;
  if (value > 1e9) return 1000000000;
  return static_cast<int32_t>(value);
}

std::u16string RemoveLineBreaks(std::u16string_view text) {
  std::u16string clean;
  clean.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u'\r' && c != u'\n') clean.push_back(c);
  }
  return clean;
}

std::u16string Sprintf(const char* format, ...) {
  CLocaleScope cLocale;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  char small[128];
  const int needed = std::vsnprintf(small, sizeof(small), format, args);
  va_end(args);
  std::string text;
  if (needed < 0) {
    va_end(copy);
    return {};
  }
  if (static_cast<size_t>(needed) < sizeof(small)) {
    text.assign(small, static_cast<size_t>(needed));
  } else {
    std::vector<char> large(static_cast<size_t>(needed) + 1);
    std::vsnprintf(large.data(), large.size(), format, copy);
    text.assign(large.data(), static_cast<size_t>(needed));
  }
  va_end(copy);
  return FromUtf8(text);
}

std::u16string FormatFixed(double value, int decimals) {
  char buffer[400];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return Sprintf("%.*f", decimals, value);
  return FromAscii(std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

std::u16string FormatText(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args) {
  std::u16string out;
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u's' &&
        next != args.end()) {
      out.append(*next++);
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

std::u16string FromAscii(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace qv
