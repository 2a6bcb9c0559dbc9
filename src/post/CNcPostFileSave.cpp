// The saving half of CNcPostFile: every mode streams the old file through the reader into the
// scratch file, which then replaces the post file in one atomic rename.
#include <algorithm>
#include <functional>
#include <optional>

#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"
#include "post/PostFileFormat.h"

namespace qv {
namespace {

bool NamesCondition(std::u16string_view line, std::u16string_view material,
                    std::u16string_view thickness) {
  if (!FirstFieldIs(line, kHeadManuCond)) return false;
  const std::vector<std::u16string> fields = SplitPostLine(line);
  return FieldAt(fields, 1) == material && FieldAt(fields, 2) == thickness;
}

void AppendField(std::u16string& line, std::u16string_view field) {
  line.push_back(u' ');
  line.append(field);
}

std::u16string PostNameOf(std::u16string_view line) { return FieldAt(SplitPostLine(line), 1); }

bool IsSaveMode(PostSaveMode mode) {
  switch (mode) {
    case PostSaveMode::SaveHeader:
    case PostSaveMode::SaveCopyPost:
    case PostSaveMode::SaveHeaderAlways:
    case PostSaveMode::SaveDeletePost:
    case PostSaveMode::SaveHeaderEditorOk:
    case PostSaveMode::SaveAddCondition:
    case PostSaveMode::SaveRenameMaterial:
    case PostSaveMode::SaveDeleteCondition:
    case PostSaveMode::SaveReplaceCondition:
    case PostSaveMode::SaveLoadedPost:
      return true;
  }
  return false;
}

}  // namespace

void CNcPostFile::Write(std::u16string_view line) {
  if (writer_->WriteLine(line) != 0) ioFailed_ = true;
}

bool CNcPostFile::NextLine(std::u16string& line) {
  const int32_t status = reader_->ReadLine(line);
  if (status != 0 && status != kTextEndOfFile) ioFailed_ = true;
  return status == 0;
}

PostFileStatus CNcPostFile::Save(PostSaveMode mode) {
  // An unknown mode would write a file without any post section: refuse it instead.
  if (!IsSaveMode(mode)) return PostFileStatus::Failed;
  pendingLine_.clear();
  ioFailed_ = false;
  writer_ = lines_.OpenWrite(scratchFilePath_);
  if (writer_ == nullptr) return PostFileStatus::Failed;
  postCount_ = store_.postCount;
  materialCount_ = store_.materialCount;
  thicknessCount_ = store_.thicknessCount;
  mode_ = static_cast<int32_t>(mode);
  const std::u16string savedOld = postOld_;
  const std::u16string savedNew = postNew_;
  if (mode == PostSaveMode::SaveLoadedPost) {
    postOld_ = postNew_ = store_.lastLoadedPost;
  }
  if (!OpenReader()) {
    // The scratch file is the empty file's too: finish it before that is made.
    writer_->Close();
    writer_.reset();
    CreateEmptyPostFile();
    return PostFileStatus::Failed;
  }
  Write(CurrentVersionLine());
  const int32_t posts = std::clamp(store_.postCount, 0, kMaxPosts);
  Write(JoinQuoted(store_.postNames.data(), posts));
  RunSaveSteps(mode);
  const PostFileStatus result = FinishSave();
  if (mode == PostSaveMode::SaveLoadedPost) {
    postOld_ = savedOld;
    postNew_ = savedNew;
  }
  return result;
}

void CNcPostFile::RunSaveSteps(PostSaveMode mode) {
  switch (mode) {
    case PostSaveMode::SaveHeader:
    case PostSaveMode::SaveLoadedPost:
      if (postCount_ == 0) return;
      // A name typed but never registered has no header to rewrite: a section appended for it
      // would come first when the post is registered later and hide that post's own section.
      if (!IsRegistered(postNew_)) {
        CopySections(std::nullopt);
        return;
      }
      [[fallthrough]];
    case PostSaveMode::SaveHeaderAlways:
    case PostSaveMode::SaveHeaderEditorOk:
      CopyToPost(postOld_);
      WriteHeader(postOld_);
      KeepConditions();
      CopyRest();
      return;
    case PostSaveMode::SaveCopyPost:
      CopyToPost(postNew_);
      WriteHeader(postNew_);
      CopyConditionsOf(postOld_);
      return;
    case PostSaveMode::SaveDeletePost:
      if (postCount_ >= 1) DeletePostSection(postOld_);
      return;
    case PostSaveMode::SaveAddCondition:
      CopyToPost(postOld_);
      WriteHeader(postOld_);
      KeepConditions();
      WriteCondition(materialNew_, thicknessNew_);
      CopyRest();
      return;
    case PostSaveMode::SaveRenameMaterial:
    case PostSaveMode::SaveDeleteCondition:
    case PostSaveMode::SaveReplaceCondition:
      CopyToPost(postOld_);
      WriteHeader(postOld_);
      if (mode == PostSaveMode::SaveRenameMaterial) {
        RenameMaterialInConditions();
      } else if (mode == PostSaveMode::SaveDeleteCondition) {
        DeleteCondition();
      } else {
        ReplaceCondition();
      }
      CopyRest();
      return;
  }
}

PostFileStatus CNcPostFile::FinishSave() {
  const int32_t readClose = CloseReader();
  const int32_t writeClose = writer_->Close();
  writer_.reset();
  const bool closed = (readClose == 0 || readClose == kTextNotOpen) && writeClose == 0;
  if (!closed || ioFailed_ || lines_.Replace(scratchFilePath_, postFilePath_) != 0) {
    return PostFileStatus::Failed;
  }
  return PostFileStatus::Ok;
}

// Copies the post sections before the one named stopAt (all of them when there is none or no
// name is given). The old version and name list lines are never copied.
void CNcPostFile::CopySections(std::optional<std::u16string_view> stopAt) {
  std::u16string line;
  bool copying = false;
  while (NextLine(line)) {
    if (FirstFieldIs(line, kHeadPostName)) {
      if (stopAt && PostNameOf(line) == *stopAt) break;
      copying = true;
    }
    if (copying) Write(line);
  }
}

// Copies the sections before the one named postName, then starts the post's new section.
void CNcPostFile::CopyToPost(std::u16string_view postName) {
  CopySections(postName);
  Write(postNew_.empty() ? std::u16string()
                         : std::u16string(kHeadPostName) + u" " + QuoteName(postNew_));
}

bool CNcPostFile::IsRegistered(std::u16string_view postName) const {
  const auto listed = store_.postNames.begin() + std::clamp(store_.postCount, 0, kMaxPosts);
  return std::find(store_.postNames.begin(), listed, postName) != listed;
}

void CNcPostFile::WriteHeader(std::u16string_view postName) {
  const int32_t materials = std::clamp(store_.materialCount, 0, kMaxMaterials);
  Write(JoinQuoted(store_.materialNames.data(), materials));
  for (int32_t m = 0; m < materials; ++m) {
    const int32_t count = ThicknessCountOf(store_, m);
    Write(JoinQuoted(store_.thicknessNames[static_cast<size_t>(m)].data(), count));
  }
  if (materials == 0) Write(u"");

  const PostRecord& r = store_.record;
  const std::vector<int32_t> values = PostValuesOf(r);
  std::copy(values.begin(), values.end(), postValues_.begin());
  Write(postName.empty()
            ? std::u16string()
            : PostConditionLine(r.coordinateMode, postValues_.data(), postValues_.size()));
  PostRecord& fields = store_.record;
  const std::vector<std::u16string*> strings = RecordTemplateFields(fields);
  for (size_t i = 0; i < strings.size(); ++i) {
    Write(*strings[i]);
    if (i != 3) continue;
    Write(r.sequenceCode);
    Write(Sprintf("%d", r.sequenceNumber));
  }
  const int32_t fromRows = std::clamp(r.fromRowCount, 0, kSpecialCodeRows);
  const int32_t toRows = std::clamp(r.toRowCount, 0, kSpecialCodeRows);
  for (int32_t i = 0; i < fromRows; ++i) Write(r.lineCodeFrom[static_cast<size_t>(i)]);
  for (int32_t i = 0; i < toRows; ++i) Write(r.lineCodeTo[static_cast<size_t>(i)]);
  for (int32_t i = 0; i < fromRows; ++i) Write(r.stringCodeFrom[static_cast<size_t>(i)]);
  for (int32_t i = 0; i < toRows; ++i) Write(r.stringCodeTo[static_cast<size_t>(i)]);
}

// Reads past the old header of the current section. Returns true with line holding its first
// condition header; false at the end of the file, or with line holding the next section's
// HeadPostName line, kept as pendingLine.
bool CNcPostFile::SkipToFirstCondition(std::u16string& line) {
  while (NextLine(line)) {
    if (FirstFieldIs(line, kHeadManuCond)) return true;
    if (FirstFieldIs(line, kHeadPostName)) {
      pendingLine_ = line;
      return false;
    }
  }
  return false;
}

// Hands each line of the section's conditions to visit, from the first condition header up to
// the next HeadPostName line (kept as pendingLine) or the end of the file; visit returns false
// to stop early.
void CNcPostFile::ForEachConditionLine(const std::function<bool(const std::u16string&)>& visit) {
  std::u16string line;
  if (!SkipToFirstCondition(line)) return;
  do {
    if (FirstFieldIs(line, kHeadPostName)) {
      pendingLine_ = line;
      return;
    }
    if (!visit(line)) return;
  } while (NextLine(line));
}

void CNcPostFile::KeepConditions() {
  ForEachConditionLine([this](const std::u16string& line) {
    Write(line);
    return true;
  });
}

void CNcPostFile::CopyRest() {
  if (!pendingLine_.empty()) Write(pendingLine_);
  pendingLine_.clear();
  std::u16string line;
  while (NextLine(line)) Write(line);
}

void CNcPostFile::WriteCondition(std::u16string_view material, std::u16string_view thickness) {
  std::copy(kDefaultLayout.begin(), kDefaultLayout.begin() + 9, conditionValues_.begin());
  std::u16string header(kHeadManuCond);
  AppendField(header, QuoteName(material));
  AppendField(header, QuoteName(thickness));
  header += Sprintf(" %d", store_.condition.workChute);
  for (const int32_t value : conditionValues_) header += Sprintf(" %d", value);
  Write(header);
  for (const std::u16string& line : ConditionBodyLines(store_.condition)) Write(line);
}

// SaveCopyPost: after the new section's header, the conditions of the source post, read from
// the start of the old file again.
void CNcPostFile::CopyConditionsOf(std::u16string_view postName) {
  CloseReader();
  if (!OpenReader()) {
    ioFailed_ = true;
    return;
  }
  std::u16string line;
  bool found = false;
  while (!found && NextLine(line)) {
    found = FirstFieldIs(line, kHeadPostName) && PostNameOf(line) == postName;
  }
  if (found) KeepConditions();
}

void CNcPostFile::DeletePostSection(std::u16string_view postName) {
  std::u16string line;
  bool started = false;
  bool dropping = false;
  while (NextLine(line)) {
    if (FirstFieldIs(line, kHeadPostName)) {
      started = true;
      dropping = PostNameOf(line) == postName;
    }
    if (started && !dropping) Write(line);
  }
}

// SaveRenameMaterial: each condition of materialOld takes materialNew (and thicknessNew for
// thicknessOld) but keeps its own work-chute flag and layout values, so renaming never
// changes another thickness's data.
void CNcPostFile::RenameMaterialInConditions() {
  ForEachConditionLine([this](const std::u16string& line) {
    if (!FirstFieldIs(line, kHeadManuCond)) {
      Write(line);
      return true;
    }
    const std::vector<std::u16string> fields = SplitPostLine(line);
    if (FieldAt(fields, 1) != materialOld_) {
      Write(line);
      return true;
    }
    const std::u16string own = FieldAt(fields, 2);
    const std::u16string thickness = own == thicknessOld_ ? thicknessNew_ : own;
    std::u16string header(kHeadManuCond);
    AppendField(header, QuoteName(materialNew_));
    AppendField(header, QuoteName(thickness));
    for (size_t i = 3; i < fields.size(); ++i) AppendField(header, fields[i]);
    Write(header);
    return true;
  });
}

// SaveDeleteCondition: every line of the condition (materialOld, thicknessOld) is left out.
void CNcPostFile::DeleteCondition() {
  bool dropping = false;
  ForEachConditionLine([this, &dropping](const std::u16string& line) {
    if (FirstFieldIs(line, kHeadManuCond)) {
      dropping = NamesCondition(line, materialOld_, thicknessOld_);
    }
    if (!dropping) Write(line);
    return true;
  });
}

// SaveReplaceCondition: the first condition (materialOld, thicknessOld) of the section is
// written from the store under (materialNew, thicknessNew); nothing is added when the
// section has no such condition.
void CNcPostFile::ReplaceCondition() {
  ForEachConditionLine([this](const std::u16string& line) {
    if (!NamesCondition(line, materialOld_, thicknessOld_)) {
      Write(line);
      return true;
    }
    WriteCondition(materialNew_, thicknessNew_);
    // Skip the old condition's lines; the next header is written by CopyRest.
    std::u16string rest;
    while (NextLine(rest)) {
      if (FirstFieldIs(rest, kHeadManuCond) || FirstFieldIs(rest, kHeadPostName)) {
        pendingLine_ = rest;
        break;
      }
    }
    return false;
  });
}

}  // namespace qv
