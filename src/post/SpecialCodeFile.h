#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nctext/LineFiles.h"
#include "platform/SystemFiles.h"
#include "post/SpecialCodeStatus.h"

namespace qv {

// One special code II pair: text to find and its replacement.
struct SpecialCodePair {
  std::u16string from;
  std::u16string to;

  bool operator==(const SpecialCodePair&) const = default;
};

// Name of a block that belongs to no post.
inline constexpr std::u16string_view kUnusedBlockName = u"[POST Not Use Post Data Don't Select]";

// The additional special code file "System/Quorvalen1.pst": ten blocks of a post name, a
// pair count and the pairs. Every operation returns its status and shows nothing (the editors
// show SpecialCodeMessage). Every rewrite goes through a scratch file that
// replaces the file in one atomic rename.
class SpecialCodeFile {
 public:
  // Works on "System/Quorvalen1.pst" of files (through "System/Temp1.dat"), reading the post
  // names from "System/Quorvalen.pst".
  explicit SpecialCodeFile(const SystemFiles& files);
  // The same, with the files read and written through lines.
  SpecialCodeFile(const SystemFiles& files, LineFiles& lines);
  SpecialCodeFile(const SpecialCodeFile&) = delete;
  SpecialCodeFile& operator=(const SpecialCodeFile&) = delete;

  // Creates the file with blocks "[POST1]" to "[POST10]" when it cannot be read.
  SpecialCodeStatus CreateSpecialCodeFile();
  // The pairs of the post's block among the first ten blocks.
  SpecialCodeStatus ReadSpecialCodes(std::u16string_view postName,
                                     std::vector<SpecialCodePair>& pairs);
  // Replaces the pairs of the post's block; pairs with an empty "from" are dropped.
  SpecialCodeStatus WriteSpecialCodes(std::u16string_view postName,
                                      const std::vector<SpecialCodePair>& pairs);
  SpecialCodeStatus RenameSpecialCodeBlock(std::u16string_view oldName,
                                           std::u16string_view newName);
  // Removes the block and appends an unused one, so the file keeps ten blocks.
  SpecialCodeStatus RemoveSpecialCodeBlock(std::u16string_view name);
  // Inserts a copy of source's pairs named newName before the block at position (0-based)
  // and drops the last block.
  SpecialCodeStatus CopySpecialCodeBlock(std::u16string_view source, std::u16string_view newName,
                                         int32_t position);
  // Rewrites the file so that its blocks follow the post file's name list.
  SpecialCodeStatus SyncSpecialCodeFile();

  const std::u16string& Path() const { return path_; }

 private:
  struct Block {
    std::u16string name;
    std::vector<std::u16string> pairLines;
  };
  SpecialCodeStatus ReadBlocks(std::vector<Block>& blocks, SpecialCodeStatus openFailure) const;
  SpecialCodeStatus WriteBlocks(const std::vector<Block>& blocks) const;

  LineFiles& lines_;
  std::u16string path_;
  std::u16string scratchPath_;
  std::u16string postFilePath_;
};

// Pairs padded with empty ones to whole editor pages of 60 (at least one page).
std::vector<SpecialCodePair> PadToPages(std::vector<SpecialCodePair> pairs);

}  // namespace qv
