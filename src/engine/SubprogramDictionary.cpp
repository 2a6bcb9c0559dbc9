#include "engine/SubprogramDictionary.h"

#include <optional>

#include "nctext/Cnltextfilerw.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// The text between the first `open` and the next `close` after it.
std::optional<std::u16string_view> Between(std::u16string_view text, std::u16string_view open,
                                           char16_t close) {
  const size_t start = text.find(open);
  if (start == std::u16string_view::npos) return std::nullopt;
  const size_t from = start + open.size();
  const size_t end = text.find(close, from);
  if (end == std::u16string_view::npos) return std::nullopt;
  return text.substr(from, end - from);
}

std::optional<DictionaryEntry> EntryOf(std::u16string_view pairLine) {
  const size_t blank = pairLine.find(u' ');
  if (blank == std::u16string_view::npos) return std::nullopt;
  const auto name = Between(pairLine.substr(0, blank), u"M102(", u')');
  const auto body = Between(pairLine.substr(blank + 1), u"M100[", u']');
  if (!name || !body) return std::nullopt;
  return DictionaryEntry{std::u16string(*name), std::u16string(*body)};
}

// Reads the block after its name line: the count line, then the pair lines into `pairLines`
// (when given; else they are skipped). False when a read fails.
bool ReadBlock(Cnltextfilerw& file, LineList* pairLines) {
  std::u16string line;
  if (file.ReadString(line) != 0) return false;
  const int32_t count = ToInt(line);
  for (int32_t i = 0; i < count; ++i) {
    if (file.ReadString(line) != 0) return false;
    if (pairLines != nullptr) pairLines->push_back(line);
  }
  return true;
}

}  // namespace

std::u16string FindSubprogramName(const LineList& lines) {
  for (const std::u16string& line : lines) {
    if (auto name = Between(line, u"M102(", u')')) return std::u16string(*name);
  }
  return {};
}

std::optional<LineList> ReadSpecialCodeBlock(const std::u16string& path,
                                             std::u16string_view postName) {
  Cnltextfilerw file;
  if (file.Open(path, OpenMode::Read) != 0) return std::nullopt;
  std::optional<LineList> pairLines;
  std::u16string name;
  while (file.ReadString(name) == 0) {
    if (name == postName) pairLines.emplace();
    if (!ReadBlock(file, pairLines ? &*pairLines : nullptr) || pairLines) break;
  }
  file.Close();
  return pairLines;
}

void LoadDictionaryEntries(const std::u16string& path, std::u16string_view postName,
                           std::vector<DictionaryEntry>& entries) {
  const std::optional<LineList> pairLines = ReadSpecialCodeBlock(path, postName);
  if (!pairLines) return;
  for (const std::u16string& line : *pairLines) {
    if (auto entry = EntryOf(line)) entries.push_back(std::move(*entry));
  }
}

std::u16string LookupDictionary(const std::vector<DictionaryEntry>& entries,
                                std::u16string_view name) {
  if (name.empty()) return {};
  for (const DictionaryEntry& entry : entries) {
    if (entry.name == name) return u"M100[" + entry.body + u"]";
  }
  return {};
}

}  // namespace qv
