#include "nctext/ProfileFile.h"

#include <algorithm>

#include "nctext/Cnltextfilerw.h"
#include "nctext/StringUtil.h"
#include "nctext/TextFileReplace.h"
#include "platform/Codec.h"
#include "platform/FileLock.h"
#include "platform/FileReplace.h"

namespace qv {
namespace {

std::u16string_view StripQuotes(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::u16string KeyLine(std::u16string_view key, std::u16string_view value) {
  std::u16string line(Trim(key));
  line.push_back(u'=');
  line.append(RemoveLineBreaks(value));
  return line;
}

}  // namespace

ProfileFile::ProfileFile(std::u16string path) : path_(std::move(path)) {}

ProfileFile::Parsed ProfileFile::Parse(std::u16string_view line) {
  const std::u16string_view text = Trim(line);
  if (!text.empty() && text.front() == u'[') {
    std::u16string_view name = text.substr(1);
    const size_t close = name.find(u']');
    if (close != std::u16string_view::npos) name = name.substr(0, close);
    return {LineKind::Section, ToUpperAscii(Trim(name))};
  }
  const size_t equals = text.find(u'=');
  if (equals == std::u16string_view::npos) return {};
  return {LineKind::Key, ToUpperAscii(Trim(text.substr(0, equals)))};
}

int32_t ProfileFile::Load() {
  lines_.clear();
  parsed_.clear();
  Index();
  if (!PathExists(path_)) return 0;
  Cnltextfilerw file;
  if (const int32_t status = file.Open(path_, OpenMode::Read); status != 0) return status;
  std::u16string line;
  int32_t status;
  while ((status = file.ReadString(line)) == 0) {
    parsed_.push_back(Parse(line));
    lines_.push_back(std::move(line));
  }
  file.Close();
  if (status != kTextEndOfFile) {
    lines_.clear();
    parsed_.clear();
  }
  Index();
  return status == kTextEndOfFile ? 0 : status;
}

void ProfileFile::Index() {
  sections_.clear();
  keys_.clear();
  headers_.clear();
  const std::u16string* section = nullptr;  // null outside the first part of a section
  for (size_t i = 0; i < parsed_.size(); ++i) {
    const Parsed& line = parsed_[i];
    if (line.kind == LineKind::Section) {
      headers_.push_back(i);
      section = sections_.emplace(line.name, i).second ? &line.name : nullptr;
    } else if (line.kind == LineKind::Key && section != nullptr) {
      keys_.emplace(KeyName{*section, line.name}, i);
    }
  }
}

int32_t ProfileFile::Save() const { return ReplaceTextFile(path_, lines_); }

size_t ProfileFile::FindSection(std::u16string_view section) const {
  const auto found = sections_.find(ToUpperAscii(Trim(section)));
  return found == sections_.end() ? lines_.size() : found->second;
}

size_t ProfileFile::SectionEnd(size_t header) const {
  const auto next = std::upper_bound(headers_.begin(), headers_.end(), header);
  return next == headers_.end() ? parsed_.size() : *next;
}

size_t ProfileFile::FindKey(std::u16string_view section, std::u16string_view key) const {
  const auto found = keys_.find(KeyName{ToUpperAscii(Trim(section)), ToUpperAscii(Trim(key))});
  return found == keys_.end() ? lines_.size() : found->second;
}

std::u16string ProfileFile::GetString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultValue, size_t bufferSize) const {
  std::u16string_view value = defaultValue;
  const size_t index = FindKey(section, key);
  if (index < lines_.size()) {
    const std::u16string_view line = lines_[index];
    value = StripQuotes(Trim(line.substr(line.find(u'=') + 1)));
  }
  const size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  return std::u16string(value.substr(0, room));
}

int32_t ProfileFile::GetInt(std::u16string_view section, std::u16string_view key,
                            int32_t defaultValue) const {
  if (FindKey(section, key) == lines_.size()) return defaultValue;
  const std::u16string value = GetString(section, key, u"");
  return value.empty() ? defaultValue : ToInt(value);
}

void ProfileFile::Insert(size_t index, std::u16string line) {
  const Parsed parsed = Parse(line);
  parsed_.insert(parsed_.begin() + static_cast<std::ptrdiff_t>(index), parsed);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
  const bool atEnd = index + 1 == lines_.size();
  if (parsed.kind == LineKind::Section && atEnd) {
    headers_.push_back(index);
    sections_.emplace(parsed.name, index);
    return;
  }
  // A key written with a leading "[" reads as a section: rare enough to index afresh.
  if (parsed.kind == LineKind::Section) return Index();
  // Only lines after the new one move; a key added at the end of the file moves none.
  if (!atEnd) {
    for (auto& [name, at] : sections_) at += at >= index ? 1 : 0;
    for (auto& [name, at] : keys_) at += at >= index ? 1 : 0;
    for (size_t& at : headers_) at += at >= index ? 1 : 0;
  }
  if (parsed.kind != LineKind::Key) return;
  const auto next = std::upper_bound(headers_.begin(), headers_.end(), index);
  if (next == headers_.begin()) return;
  const size_t header = *(next - 1);
  const std::u16string& section = parsed_[header].name;
  if (sections_.at(section) != header) return;
  const auto [entry, added] = keys_.try_emplace(KeyName{section, parsed.name}, index);
  if (!added && entry->second > index) entry->second = index;
}

void ProfileFile::SetString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
  const size_t found = FindKey(section, key);
  if (found < lines_.size()) {
    const std::u16string_view line = lines_[found];
    lines_[found] = KeyLine(line.substr(0, line.find(u'=')), value);
    return;
  }
  const size_t header = FindSection(section);
  if (header == lines_.size()) {
    std::u16string sectionLine = u"[";
    sectionLine.append(Trim(section));
    sectionLine.push_back(u']');
    Insert(lines_.size(), sectionLine);
    Insert(lines_.size(), KeyLine(key, value));
    return;
  }
  // After the section's last non-blank line, so blank lines before the next section stay there.
  size_t at = SectionEnd(header);
  while (at > header + 1 && Trim(lines_[at - 1]).empty()) --at;
  Insert(at, KeyLine(key, value));
}

void ProfileFile::SetInt(std::u16string_view section, std::u16string_view key, int32_t value) {
  SetString(section, key, Sprintf("%d", static_cast<int>(value)));
}

std::u16string ReadProfileString(const std::u16string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 size_t bufferSize) {
  ProfileFile file(path);
  file.Load();
  return file.GetString(section, key, defaultValue, bufferSize);
}

int32_t ReadProfileInt(const std::u16string& path, std::u16string_view section,
                       std::u16string_view key, int32_t defaultValue) {
  ProfileFile file(path);
  file.Load();
  return file.GetInt(section, key, defaultValue);
}

int32_t WriteProfileString(const std::u16string& path, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value) {
  return UpdateProfile(path, [&](ProfileFile& file) { file.SetString(section, key, value); });
}

int32_t UpdateProfile(const std::u16string& path, const std::function<void(ProfileFile&)>& change) {
  FileLock lock;
  lock.Acquire(ToUtf8(path) + ".lock");  // without the lock the write still lands whole
  ProfileFile file(path);
  if (const int32_t status = file.Load(); status != 0) return status;
  change(file);
  return file.Save();
}

}  // namespace qv
