#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"

namespace qv {

// The text between the first "M102(" of the first line that has one and the next ")" after it;
// empty when no line has both.
std::u16string FindSubprogramName(const LineList& lines);

// The pair lines of postName's block in the special code file at path (those read before a
// failed read, when one fails); nullopt when the file cannot be opened or has no such block.
std::optional<LineList> ReadSpecialCodeBlock(const std::u16string& path,
                                             std::u16string_view postName);

// Appends the entries of postName's block in the special code file at path: each pair line
// whose left part (before the first blank) holds "M102(" ... ")" and whose right part holds
// "M100[" ... "]". A missing or unreadable file adds nothing.
void LoadDictionaryEntries(const std::u16string& path, std::u16string_view postName,
                           std::vector<DictionaryEntry>& entries);

// "M100[" + body + "]" of the first entry named exactly `name`; empty for an empty name or when
// none matches.
std::u16string LookupDictionary(const std::vector<DictionaryEntry>& entries,
                                std::u16string_view name);

}  // namespace qv
