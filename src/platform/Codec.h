#pragma once

#include <string>
#include <string_view>

namespace qv {

// Code page 932 <-> UTF-16, exactly as the Windows code page maps it (NEC row 13, NEC-selected
// and IBM extensions, user-defined area). Decoding never fails: an invalid or truncated byte
// sequence becomes U+FFFD. Encoding never fails: a character outside the code page becomes "?".
std::u16string DecodeCp932(std::string_view bytes);
std::string EncodeCp932(std::u16string_view text);

// Appending forms for hot loops that reuse their buffers.
void AppendDecodedCp932(std::string_view bytes, std::u16string& out);
void AppendEncodedCp932(std::u16string_view text, std::string& out);

// UTF-8 <-> UTF-16, for paths, the terminal and the instance channel. Invalid sequences become
// U+FFFD; lone surrogates are written as U+FFFD.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

}  // namespace qv
