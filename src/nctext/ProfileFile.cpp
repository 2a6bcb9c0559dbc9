#include "nctext/ProfileFile.h"

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

// The reader trims a value and drops one pair of quotes around it: a value that starts or ends
// with a blank or a quote is written inside one more pair of double quotes, so that it reads
// back as it was.
std::u16string KeyLine(std::u16string_view key, std::u16string_view value) {
  std::u16string line(Trim(key));
  line.push_back(u'=');
  const std::u16string text = RemoveLineBreaks(value);
  const auto quote = [](char16_t c) { return c == u'"' || c == u'\''; };
  const bool wrap = !text.empty() &&
                    (Trim(text).size() != text.size() || quote(text.front()) || quote(text.back()));
  if (wrap) line.push_back(u'"');
  line.append(text);
  if (wrap) line.push_back(u'"');
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
  Rebuild({});
  if (!PathExists(path_)) return 0;
  Cnltextfilerw file;
  if (const int32_t status = file.Open(path_, OpenMode::Read); status != 0) return status;
  std::vector<std::u16string> lines;
  std::u16string line;
  int32_t status;
  while ((status = file.ReadString(line)) == 0) lines.push_back(std::move(line));
  file.Close();
  if (status != kTextEndOfFile) return status;
  Rebuild(std::move(lines));
  return 0;
}

void ProfileFile::Rebuild(std::vector<std::u16string> lines) {
  blocks_.assign(1, Block{});
  sections_.clear();
  keys_.clear();
  for (std::u16string& line : lines) {
    Parsed parsed = Parse(line);
    if (parsed.kind == LineKind::Section) blocks_.emplace_back();
    blocks_.back().lines.push_back(std::move(line));
    blocks_.back().parsed.push_back(std::move(parsed));
  }
  for (size_t b = 1; b < blocks_.size(); ++b) {
    const std::vector<Parsed>& parsed = blocks_[b].parsed;
    if (!sections_.emplace(parsed.front().name, b).second) continue;
    for (size_t i = 1; i < parsed.size(); ++i) {
      if (parsed[i].kind != LineKind::Key) continue;
      keys_.emplace(KeyName{parsed[0].name, parsed[i].name}, Place{b, i});
    }
  }
}

std::vector<std::u16string> ProfileFile::Lines() const {
  std::vector<std::u16string> lines;
  for (const Block& block : blocks_) {
    lines.insert(lines.end(), block.lines.begin(), block.lines.end());
  }
  return lines;
}

int32_t ProfileFile::Save() const { return ReplaceTextFile(path_, Lines()); }

const ProfileFile::Place* ProfileFile::FindKey(std::u16string_view section,
                                               std::u16string_view key) const {
  const auto found = keys_.find(KeyName{ToUpperAscii(Trim(section)), ToUpperAscii(Trim(key))});
  return found == keys_.end() ? nullptr : &found->second;
}

std::u16string ProfileFile::GetString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultValue, size_t bufferSize) const {
  std::u16string_view value = defaultValue;
  if (const Place* place = FindKey(section, key)) {
    const std::u16string_view line = blocks_[place->block].lines[place->line];
    value = StripQuotes(Trim(line.substr(line.find(u'=') + 1)));
  }
  const size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  return std::u16string(value.substr(0, room));
}

int32_t ProfileFile::GetInt(std::u16string_view section, std::u16string_view key,
                            int32_t defaultValue) const {
  if (FindKey(section, key) == nullptr) return defaultValue;
  const std::u16string value = GetString(section, key, u"");
  return value.empty() ? defaultValue : ToInt(value);
}

void ProfileFile::AddBlock(std::u16string header) {
  Parsed parsed = Parse(header);
  sections_.emplace(parsed.name, blocks_.size());
  blocks_.push_back({{std::move(header)}, {std::move(parsed)}});
}

// After the block's last non-blank line, so blank lines before the next section stay there;
// only those blank lines move, and no key is indexed on them.
void ProfileFile::AddToSection(size_t block, std::u16string line) {
  Block& target = blocks_[block];
  size_t at = target.lines.size();
  while (at > 1 && Trim(target.lines[at - 1]).empty()) --at;
  Parsed parsed = Parse(line);
  if (parsed.kind == LineKind::Section) {
    // A key written with a leading "[" reads as a section: rare enough to split afresh.
    std::vector<std::u16string> lines = Lines();
    size_t before = 0;
    for (size_t b = 0; b < block; ++b) before += blocks_[b].lines.size();
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(before + at), std::move(line));
    return Rebuild(std::move(lines));
  }
  const auto offset = static_cast<std::ptrdiff_t>(at);
  if (parsed.kind == LineKind::Key && sections_.at(target.parsed.front().name) == block) {
    keys_.try_emplace(KeyName{target.parsed.front().name, parsed.name}, Place{block, at});
  }
  target.parsed.insert(target.parsed.begin() + offset, std::move(parsed));
  target.lines.insert(target.lines.begin() + offset, std::move(line));
}

void ProfileFile::SetString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
  if (const Place* place = FindKey(section, key)) {
    std::u16string& line = blocks_[place->block].lines[place->line];
    line = KeyLine(std::u16string_view(line).substr(0, line.find(u'=')), value);
    return;
  }
  const auto found = sections_.find(ToUpperAscii(Trim(section)));
  if (found != sections_.end()) return AddToSection(found->second, KeyLine(key, value));
  std::u16string header = u"[";
  header.append(Trim(section));
  header.push_back(u']');
  AddBlock(std::move(header));
  AddToSection(blocks_.size() - 1, KeyLine(key, value));
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
  const std::vector<std::u16string> before = file.Lines();
  change(file);
  // A file that already says it all is left alone: a rewrite would only risk it.
  if (file.Lines() == before && PathExists(path)) return 0;
  return file.Save();
}

}  // namespace qv
