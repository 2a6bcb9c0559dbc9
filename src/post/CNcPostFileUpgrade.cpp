// The upgrading part of CNcPostFile: one step per older layout, each rewriting the whole post
// file through the scratch file, on the result of the step before.
#include <algorithm>
#include <functional>

#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"
#include "post/PostFileFormat.h"

namespace qv {

// One upgrade step: sees every line after the old version line and writes what the new file
// holds in its place.
class PostUpgradeStep {
 public:
  using Writer = std::function<void(std::u16string_view)>;
  virtual ~PostUpgradeStep() = default;
  virtual void Line(const std::u16string& line, const Writer& write) = 0;
  // What the file still needs after its last line.
  virtual void End(const Writer&) {}
};

namespace {

// Version 1.17 and older had no string-unit special codes: 40 rows per post.
constexpr int32_t kAddedStringCodeLines = 2 * kSpecialCodeRows;
// Conditions before version 1.51 had 29 lines after their header.
constexpr int32_t kOldConditionBodyLines = 29;

// "Version 0.00": the short HeadPostCond line becomes the full one, followed by the sequence
// lines that version lacked (an empty code and 0).
class RebuildZeroVersion : public PostUpgradeStep {
 public:
  explicit RebuildZeroVersion(const PostRecord& record) : record_(record) {}
  void Line(const std::u16string& line, const Writer& write) override {
    if (!FirstFieldIs(line, kHeadPostCond)) {
      write(line);
      return;
    }
    const std::vector<std::u16string> fields = SplitPostLine(line);
    std::vector<int32_t> values = PostValuesOf(record_);
    values[0] = ToInt(FieldAt(fields, 2));
    values[1] = ToInt(FieldAt(fields, 3));
    std::fill(values.begin() + 2, values.begin() + 5, 0);
    write(PostConditionLine(ToInt(FieldAt(fields, 1)), values.data(), values.size()));
    write(u"");
    write(u"0");
  }

 private:
  const PostRecord& record_;
};

// 1.17 and older: 40 empty string-code rows at the end of every post header, before its first
// condition or, for a post without conditions, before the next section.
class AddStringCodeRows : public PostUpgradeStep {
 public:
  void Line(const std::u16string& line, const Writer& write) override {
    const bool header = FirstFieldIs(line, kHeadPostCond);
    if (headerOpen_ &&
        (header || FirstFieldIs(line, kHeadManuCond) || FirstFieldIs(line, kHeadPostName))) {
      End(write);
    }
    if (header) headerOpen_ = true;
    write(line);
  }
  void End(const Writer& write) override {
    if (!headerOpen_) return;
    for (int32_t i = 0; i < kAddedStringCodeLines; ++i) write(u"");
    headerOpen_ = false;
  }

 private:
  bool headerOpen_ = false;
};

// Before 1.24: the four subprogram lines after every HeadPostCond line.
class AddSubprogramLines : public PostUpgradeStep {
 public:
  void Line(const std::u16string& line, const Writer& write) override {
    write(line);
    if (!StartsWith(line, kHeadPostCond)) return;
    for (const char16_t* code : {u"M98", u"P", u"O", u"M99"}) write(code);
  }
};

// Before 1.51: every condition keeps at most 29 lines after its header and is padded with
// empty lines to 31.
class PadConditions : public PostUpgradeStep {
 public:
  void Line(const std::u16string& line, const Writer& write) override {
    if (StartsWith(line, kHeadManuCond)) {
      End(write);
      write(line);
      copied_ = 0;
      return;
    }
    if (copied_ >= kOldConditionBodyLines || StartsWith(line, kHeadPostName)) {
      End(write);
    } else if (copied_ >= 0) {
      ++copied_;
    }
    write(line);
  }
  void End(const Writer& write) override {
    for (; copied_ >= 0 && copied_ < kConditionBodyLines; ++copied_) write(u"");
    copied_ = -1;
  }

 private:
  int32_t copied_ = -1;  // lines copied after a condition header, -1 outside a condition
};

}  // namespace

PostFileStatus CNcPostFile::UpgradePostFile() {
  if (!OpenReader()) return PostFileStatus::Ok;
  std::u16string first;
  ReadLine(first);
  CloseReader();
  const int32_t version = PostFileVersion100(first);
  if (first == u"Version 0.00") {
    RebuildZeroVersion rebuild(store_.record);
    if (RunUpgradeStep(rebuild) != PostFileStatus::Ok) return PostFileStatus::Failed;
    store_.record.fromRowCount = kSpecialCodeRows;
    store_.record.toRowCount = kSpecialCodeRows;
  }
  AddStringCodeRows stringCodeRows;
  AddSubprogramLines subprogramLines;
  PadConditions conditions;
  const std::pair<bool, PostUpgradeStep*> steps[] = {
      {version <= 117, &stringCodeRows},
      {version < 124, &subprogramLines},
      {version < 151, &conditions},
  };
  for (const auto& [due, step] : steps) {
    if (due && RunUpgradeStep(*step) != PostFileStatus::Ok) return PostFileStatus::Failed;
  }
  return PostFileStatus::Ok;
}

PostFileStatus CNcPostFile::RunUpgradeStep(PostUpgradeStep& step) {
  ioFailed_ = false;
  pendingLine_.clear();
  writer_ = lines_.OpenWrite(scratchFilePath_);
  if (writer_ == nullptr) return PostFileStatus::Failed;
  if (!OpenReader()) {
    writer_->Close();
    writer_.reset();
    return PostFileStatus::Failed;
  }
  const PostUpgradeStep::Writer write = [this](std::u16string_view line) { Write(line); };
  write(CurrentVersionLine());
  std::u16string line;
  NextLine(line);
  while (NextLine(line)) step.Line(line, write);
  step.End(write);
  return FinishSave();
}

}  // namespace qv
