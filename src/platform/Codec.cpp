#include "platform/Codec.h"

#include <iconv.h>

#include <array>
#include <memory>

namespace qv {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
constexpr char16_t kUnmapped = 0;  // no character decodes to U+0000 except the byte 0x00 itself

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// NEC-selected IBM extensions duplicate the IBM extensions; the code page writes the IBM form.
bool IsNecSelectedIbm(unsigned code) { return code >= 0xED40 && code <= 0xEEFC; }

// Lookup tables built once from iconv's CP932 table, plus the five single bytes that glibc
// rejects but the Windows code page maps.
class Cp932Tables {
 public:
  Cp932Tables() {
    BuildDecode();
    BuildEncode();
  }

  char16_t Single(unsigned char b) const { return single_[b]; }
  char16_t Double(unsigned char lead, unsigned char trail) const {
    return double_[(lead << 8) | trail];
  }
  // 0: unmapped; below 0x100: one byte; otherwise lead << 8 | trail.
  unsigned short Encode(char16_t c) const { return encode_[c]; }

 private:
  static char16_t IconvDecode(iconv_t cd, const char* bytes, size_t length) {
    char16_t out[2] = {};
    char* in = const_cast<char*>(bytes);
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = length;
    size_t outLeft = sizeof(out);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    if (result == static_cast<size_t>(-1) || inLeft != 0 || outLeft != sizeof(out) - 2) {
      return kUnmapped;
    }
    return out[0];
  }

  void BuildDecode() {
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    single_.fill(kReplacement);
    double_.fill(kUnmapped);
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (unsigned b = 0; b < 0x100; ++b) {
      if (IsLeadByte(static_cast<unsigned char>(b))) continue;
      const char byte = static_cast<char>(b);
      const char16_t c = IconvDecode(cd, &byte, 1);
      single_[b] = (c == kUnmapped && b != 0) ? kReplacement : c;
    }
    single_[0x80] = u'\u0080';
    single_[0xA0] = u'\uF8F0';
    single_[0xFD] = u'\uF8F1';
    single_[0xFE] = u'\uF8F2';
    single_[0xFF] = u'\uF8F3';
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        double_[(lead << 8) | trail] = IconvDecode(cd, pair, 2);
      }
    }
    iconv_close(cd);
  }

  // The first code (in ascending order) that decodes to a character is the one written back;
  // the NEC-selected rows come last so their characters keep the IBM extension bytes.
  void BuildEncode() {
    encode_.fill(0);
    for (unsigned b = 0; b < 0x100; ++b) {
      if (!IsLeadByte(static_cast<unsigned char>(b)) && single_[b] != kReplacement) {
        encode_[single_[b]] = static_cast<unsigned short>(b == 0 ? 0 : b);
      }
    }
    for (int pass = 0; pass < 2; ++pass) {
      for (unsigned code = 0x8140; code <= 0xFCFC; ++code) {
        if (IsNecSelectedIbm(code) != (pass == 1)) continue;
        const char16_t c = double_[code];
        if (c != kUnmapped && encode_[c] == 0 && c != 0)
          encode_[c] = static_cast<unsigned short>(code);
      }
    }
  }

  std::array<char16_t, 0x100> single_{};
  std::array<char16_t, 0x10000> double_{};
  std::array<unsigned short, 0x10000> encode_{};
};

const Cp932Tables& Tables() {
  static const auto tables = std::make_unique<Cp932Tables>();
  return *tables;
}

}  // namespace

void AppendDecodedCp932(std::string_view bytes, std::u16string& out) {
  const Cp932Tables& tables = Tables();
  const size_t n = bytes.size();
  out.reserve(out.size() + n);
  for (size_t i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      continue;
    }
    if (!IsLeadByte(b)) {
      out.push_back(tables.Single(b));
      continue;
    }
    // A lead byte without a trail byte stands alone, so a following line end or ASCII
    // character is never swallowed.
    if (i + 1 >= n || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      out.push_back(kReplacement);
      continue;
    }
    const char16_t c = tables.Double(b, static_cast<unsigned char>(bytes[i + 1]));
    out.push_back(c == kUnmapped ? kReplacement : c);
    ++i;
  }
}

void AppendEncodedCp932(std::u16string_view text, std::string& out) {
  const Cp932Tables& tables = Tables();
  out.reserve(out.size() + text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    const unsigned short code = tables.Encode(c);
    if (code == 0) {
      // A surrogate pair is one character and so one "?".
      const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
      if (pair) ++i;
      out.push_back('?');
    } else if (code < 0x100) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
}

std::u16string DecodeCp932(std::string_view bytes) {
  std::u16string out;
  AppendDecodedCp932(bytes, out);
  return out;
}

std::string EncodeCp932(std::u16string_view text) {
  std::string out;
  AppendEncodedCp932(text, out);
  return out;
}

std::u16string FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= utf8.size()) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    uint32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
      ok = ok && (c >> 6) == 2;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    i += static_cast<size_t>(extra) + 1;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace qv
