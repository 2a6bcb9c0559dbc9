#include "post/SpecialCodeFile.h"

#include <algorithm>

#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"
#include "post/PostLimits.h"

namespace qv {
namespace {

// A line without a blank has nothing to find: the whole line is the replacement, as the
// conversion's dictionary rewrite reads it.
SpecialCodePair SplitPair(std::u16string_view line) {
  const size_t space = line.find(u' ');
  if (space == std::u16string_view::npos) return {{}, std::u16string(line)};
  return {std::u16string(line.substr(0, space)), std::u16string(line.substr(space + 1))};
}

bool ReadAllLines(LineFiles& files, const std::u16string& path,
                  std::vector<std::u16string>& lines) {
  const std::unique_ptr<LineSource> file = files.OpenRead(path);
  if (file == nullptr) return false;
  std::u16string line;
  int32_t status = 0;
  while ((status = file->ReadLine(line)) == 0) lines.push_back(line);
  file->Close();
  return status == kTextEndOfFile;
}

// Every text between a pair of double quotes.
std::vector<std::u16string> QuotedNames(std::u16string_view line) {
  std::vector<std::u16string> names;
  size_t open = line.find(u'"');
  while (open != std::u16string_view::npos) {
    const size_t close = line.find(u'"', open + 1);
    if (close == std::u16string_view::npos) break;
    names.emplace_back(line.substr(open + 1, close - open - 1));
    open = line.find(u'"', close + 1);
  }
  return names;
}

}  // namespace

SpecialCodeFile::SpecialCodeFile(const SystemFiles& files)
    : SpecialCodeFile(files, SharedDiskLineFiles()) {}

SpecialCodeFile::SpecialCodeFile(const SystemFiles& files, LineFiles& lines)
    : lines_(lines),
      path_(files.System(u"Quorvalen1.pst")),
      scratchPath_(files.System(u"Temp1.dat")),
      postFilePath_(files.System(kPostFileName)) {}

SpecialCodeStatus SpecialCodeFile::CreateSpecialCodeFile() {
  if (lines_.OpenRead(path_) != nullptr) return SpecialCodeStatus::Ok;
  // A file that exists but cannot be read just now keeps its pairs: only a missing one is made.
  if (lines_.Exists(path_)) return SpecialCodeStatus::InitFailed;
  std::vector<Block> blocks;
  for (int32_t i = 1; i <= kSpecialCodeBlocks; ++i) blocks.push_back({Sprintf("[POST%d]", i), {}});
  return WriteBlocks(blocks) == SpecialCodeStatus::Ok ? SpecialCodeStatus::Ok
                                                      : SpecialCodeStatus::InitFailed;
}

SpecialCodeStatus SpecialCodeFile::ReadSpecialCodes(std::u16string_view postName,
                                                    std::vector<SpecialCodePair>& pairs) {
  pairs.clear();
  const std::unique_ptr<LineSource> file = lines_.OpenRead(path_);
  if (file == nullptr) return SpecialCodeStatus::InitFailed;
  std::u16string line;
  for (int32_t block = 0; block < kSpecialCodeBlocks; ++block) {
    std::u16string name;
    if (file->ReadLine(name) != 0 || file->ReadLine(line) != 0) {
      return SpecialCodeStatus::ReadFailed;
    }
    const int32_t count = ToInt(line);
    for (int32_t i = 0; i < count; ++i) {
      if (file->ReadLine(line) != 0) {
        pairs.clear();
        return SpecialCodeStatus::ReadFailed;
      }
      if (name == postName) pairs.push_back(SplitPair(line));
    }
    if (name == postName) return SpecialCodeStatus::Ok;
  }
  return SpecialCodeStatus::PostNotInFile;
}

// Splits the file into blocks by its counts. A count that runs past the end takes the lines
// there are, so a damaged file is rewritten consistently instead of misread.
SpecialCodeStatus SpecialCodeFile::ReadBlocks(std::vector<Block>& blocks,
                                              SpecialCodeStatus openFailure) const {
  std::vector<std::u16string> lines;
  if (!ReadAllLines(lines_, path_, lines)) return openFailure;
  size_t i = 0;
  while (i < lines.size()) {
    Block block{lines[i], {}};
    const int32_t stated = i + 1 < lines.size() ? ToInt(lines[i + 1]) : 0;
    i += 2;
    const size_t count =
        std::min(static_cast<size_t>(std::max(stated, 0)), i < lines.size() ? lines.size() - i : 0);
    block.pairLines.assign(
        lines.begin() + static_cast<ptrdiff_t>(std::min(i, lines.size())),
        lines.begin() + static_cast<ptrdiff_t>(std::min(i + count, lines.size())));
    i += count;
    blocks.push_back(std::move(block));
  }
  return SpecialCodeStatus::Ok;
}

SpecialCodeStatus SpecialCodeFile::WriteBlocks(const std::vector<Block>& blocks) const {
  const std::unique_ptr<LineSink> file = lines_.OpenWrite(scratchPath_);
  if (file == nullptr) return SpecialCodeStatus::WriteFailed;
  bool failed = false;
  auto write = [&file, &failed](std::u16string_view line) {
    if (file->WriteLine(line) != 0) failed = true;
  };
  for (const Block& block : blocks) {
    write(block.name);
    write(Sprintf("%zu", block.pairLines.size()));
    for (const std::u16string& pair : block.pairLines) write(pair);
  }
  if (file->Close() != 0 || failed || lines_.Replace(scratchPath_, path_) != 0) {
    return SpecialCodeStatus::WriteFailed;
  }
  return SpecialCodeStatus::Ok;
}

SpecialCodeStatus SpecialCodeFile::WriteSpecialCodes(std::u16string_view postName,
                                                     const std::vector<SpecialCodePair>& pairs) {
  std::vector<Block> blocks;
  if (const SpecialCodeStatus failure = ReadBlocks(blocks, SpecialCodeStatus::PostDataNotFound);
      failure != SpecialCodeStatus::Ok) {
    return failure;
  }
  const auto block = std::find_if(blocks.begin(), blocks.end(),
                                  [&](const Block& b) { return b.name == postName; });
  if (block != blocks.end()) {
    block->pairLines.clear();
    for (const SpecialCodePair& pair : pairs) {
      // A pair whose text starts with a space has no "from" and could never match.
      if (pair.from.empty() || pair.from[0] == u' ') continue;
      block->pairLines.push_back(pair.from + u" " + pair.to);
    }
  }
  return WriteBlocks(blocks);
}

SpecialCodeStatus SpecialCodeFile::RenameSpecialCodeBlock(std::u16string_view oldName,
                                                          std::u16string_view newName) {
  std::vector<Block> blocks;
  if (const SpecialCodeStatus failure = ReadBlocks(blocks, SpecialCodeStatus::PostDataNotFound);
      failure != SpecialCodeStatus::Ok) {
    return failure;
  }
  const auto block =
      std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) { return b.name == oldName; });
  if (block == blocks.end()) return SpecialCodeStatus::Ok;
  block->name = newName;
  return WriteBlocks(blocks);
}

SpecialCodeStatus SpecialCodeFile::RemoveSpecialCodeBlock(std::u16string_view name) {
  std::vector<Block> blocks;
  if (const SpecialCodeStatus failure = ReadBlocks(blocks, SpecialCodeStatus::PostDataNotFound);
      failure != SpecialCodeStatus::Ok) {
    return failure;
  }
  const auto block =
      std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) { return b.name == name; });
  if (block == blocks.end()) return SpecialCodeStatus::Ok;
  blocks.erase(block);
  blocks.push_back({std::u16string(kUnusedBlockName), {}});
  return WriteBlocks(blocks);
}

// The last block is dropped whole (normally an unused one with no pairs), so the file keeps
// its block count and never loses a block's pair lines into the next block.
SpecialCodeStatus SpecialCodeFile::CopySpecialCodeBlock(std::u16string_view source,
                                                        std::u16string_view newName,
                                                        int32_t position) {
  std::vector<Block> blocks;
  if (const SpecialCodeStatus failure = ReadBlocks(blocks, SpecialCodeStatus::PostDataNotFound);
      failure != SpecialCodeStatus::Ok) {
    return failure;
  }
  Block copy{std::u16string(newName), {}};
  const auto found =
      std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) { return b.name == source; });
  if (found != blocks.end()) copy.pairLines = found->pairLines;
  const size_t at = std::min(static_cast<size_t>(std::max(position, 0)), blocks.size());
  blocks.insert(blocks.begin() + static_cast<ptrdiff_t>(at), std::move(copy));
  blocks.pop_back();
  return WriteBlocks(blocks);
}

SpecialCodeStatus SpecialCodeFile::SyncSpecialCodeFile() {
  const std::unique_ptr<LineSource> postFile = lines_.OpenRead(postFilePath_);
  if (postFile == nullptr) return SpecialCodeStatus::PostDataNotFound;
  std::u16string line;
  postFile->ReadLine(line);
  line.clear();
  postFile->ReadLine(line);
  postFile->Close();
  std::vector<std::u16string> names = QuotedNames(line);
  if (names.empty()) return SpecialCodeStatus::NoPosts;
  if (names.size() > static_cast<size_t>(kSpecialCodeBlocks)) names.resize(kSpecialCodeBlocks);

  std::vector<Block> blocks;
  if (const SpecialCodeStatus failure = ReadBlocks(blocks, SpecialCodeStatus::FileNotFound);
      failure != SpecialCodeStatus::Ok) {
    return failure;
  }
  if (blocks.size() > static_cast<size_t>(kSpecialCodeBlocks)) blocks.resize(kSpecialCodeBlocks);
  std::vector<Block> synced;
  for (const std::u16string& name : names) {
    const auto found =
        std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) { return b.name == name; });
    synced.push_back(found != blocks.end() ? *found : Block{name, {}});
  }
  while (synced.size() < static_cast<size_t>(kSpecialCodeBlocks)) {
    synced.push_back({std::u16string(kUnusedBlockName), {}});
  }
  return WriteBlocks(synced);
}

std::vector<SpecialCodePair> PadToPages(std::vector<SpecialCodePair> pairs) {
  const size_t page = static_cast<size_t>(kSpecialCodePageSize);
  const size_t pages = std::max<size_t>(1, (pairs.size() + page - 1) / page);
  pairs.resize(pages * page);
  return pairs;
}

}  // namespace qv
