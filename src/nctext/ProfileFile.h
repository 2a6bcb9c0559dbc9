#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qv {

// Characters a string read may hold when the caller names no buffer, the terminator included.
inline constexpr size_t kProfileBufferSize = 4096;

// An initialization file ("[Section]" lines and "key=value" lines) read and written with the
// semantics programs expect of it: section and key names compare without case, blanks around
// keys and values are trimmed, one pair of enclosing double or single quotes is removed from a
// value on reading, and writing keeps every other line, comment and order. The file is code
// page 932 with CR LF (one that starts with a UTF-8 mark is read as UTF-8 and written back
// without it); it is rewritten through a scratch file and an atomic rename.
class ProfileFile {
 public:
  explicit ProfileFile(std::u16string path);

  // Reads the file into memory; a missing file reads as empty. 0, or a negative text-file
  // status when the file exists but cannot be read (the content is then empty).
  int32_t Load();
  // Writes the content to a scratch file beside the target and renames it over the target
  // (ReplaceTextFile).
  int32_t Save() const;

  // The value of key in section, or defaultValue when either is missing; the result holds at
  // most bufferSize - 1 characters, as a reader with a buffer of that size would get.
  std::u16string GetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view defaultValue,
                           size_t bufferSize = kProfileBufferSize) const;
  // A missing key or an empty value gives defaultValue; otherwise an optional sign and the
  // leading digits, and a value that does not start with a number is 0.
  int32_t GetInt(std::u16string_view section, std::u16string_view key, int32_t defaultValue) const;

  // Replaces the first line of key in section, adds the key at the end of its section, or adds
  // the section at the end of the file. Line breaks in value are dropped: they would split the
  // line and plant foreign keys.
  void SetString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void SetInt(std::u16string_view section, std::u16string_view key, int32_t value);

  const std::u16string& Path() const { return path_; }
  std::vector<std::u16string> Lines() const;

 private:
  enum class LineKind { Other, Section, Key };
  struct Parsed {
    LineKind kind = LineKind::Other;
    std::u16string name;  // upper-cased section or key name
  };
  // The lines before the first section header form the first block; every header starts a
  // block of its own. A key added to a section goes into that section's block, so no line of
  // any other block moves: a save sets about a thousand keys, and shifting every later line
  // for each made it quadratic.
  struct Block {
    std::vector<std::u16string> lines;
    std::vector<Parsed> parsed;
  };
  struct Place {
    size_t block = 0;
    size_t line = 0;
  };
  // Upper-cased section and key names.
  using KeyName = std::pair<std::u16string, std::u16string>;
  struct KeyNameHash {
    size_t operator()(const KeyName& name) const {
      const std::hash<std::u16string> hash;
      return hash(name.first) * 31 + hash(name.second);
    }
  };

  static Parsed Parse(std::u16string_view line);
  void Rebuild(std::vector<std::u16string> lines);
  void AddToSection(size_t block, std::u16string line);
  void AddBlock(std::u16string header);
  const Place* FindKey(std::u16string_view section, std::u16string_view key) const;

  std::u16string path_;
  std::vector<Block> blocks_;
  std::map<std::u16string, size_t> sections_;             // the first block of each section name
  std::unordered_map<KeyName, Place, KeyNameHash> keys_;  // each key's first line in that block
};

// One-shot access for values that two processes hand each other ("Forwarding"/"CmdName"):
// each call reads the file afresh, and a write is a read-modify-write under a lock beside the
// file, so two writers never lose each other's changes.
std::u16string ReadProfileString(const std::u16string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 size_t bufferSize = kProfileBufferSize);
int32_t ReadProfileInt(const std::u16string& path, std::u16string_view section,
                       std::u16string_view key, int32_t defaultValue);
int32_t WriteProfileString(const std::u16string& path, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value);
// Reads the file, applies change and writes it back, all under the lock beside the file; a file
// the change leaves as it was is not rewritten. A file that exists but cannot be read is left
// alone (its negative status is returned).
int32_t UpdateProfile(const std::u16string& path, const std::function<void(ProfileFile&)>& change);

}  // namespace qv
