#include "post/CNcPostFile.h"

#include <algorithm>

#include "nctext/StringUtil.h"
#include "post/PostFileFormat.h"

namespace qv {
namespace {

bool IsFullLoadMode(PostLoadMode mode) {
  switch (mode) {
    case PostLoadMode::StartUp:
    case PostLoadMode::PostChosen:
    case PostLoadMode::MaterialChosen:
    case PostLoadMode::ThicknessChosen:
    case PostLoadMode::PostEditorCancel:
    case PostLoadMode::ConditionEditor:
      return true;
    case PostLoadMode::NamesOnly:
      return false;
  }
  return false;
}

template <size_t N>
void ClearStrings(std::array<std::u16string, N>& strings) {
  for (std::u16string& s : strings) s.clear();
}

void ClearCondition(MachiningCondition& c) {
  ClearStrings(c.programVariables);
  ClearStrings(c.punch);
  ClearStrings(c.marking);
  ClearStrings(c.longSideLimits);
  ClearStrings(c.shapeCodes);
  ClearStrings(c.lineLengthLimits);
  ClearStrings(c.arcRadiusLimits);
  ClearStrings(c.elementCodes);
  c.workChuteCode.clear();
  c.workChuteMinLength.clear();
  c.cutSourceCondition.clear();
}

}  // namespace

CNcPostFile::CNcPostFile(PostStore& store, const SystemFiles& files)
    : CNcPostFile(store, files, SharedDiskLineFiles()) {}

CNcPostFile::CNcPostFile(PostStore& store, const SystemFiles& files, LineFiles& lines)
    : store_(store),
      lines_(lines),
      postFilePath_(files.System(kPostFileName)),
      scratchFilePath_(files.System(u"Temp.dat")) {
  postCount_ = store_.postCount;
  materialCount_ = store_.materialCount;
  thicknessCount_ = store_.thicknessCount;
}

void CNcPostFile::SetPostNames(std::u16string_view oldName, std::u16string_view newName) {
  postOld_ = oldName;
  postNew_ = newName;
}

void CNcPostFile::SetMaterialNames(std::u16string_view oldName, std::u16string_view newName) {
  materialOld_ = oldName;
  materialNew_ = newName;
}

void CNcPostFile::SetThicknessNames(std::u16string_view oldName, std::u16string_view newName) {
  thicknessOld_ = oldName;
  thicknessNew_ = newName;
}

bool CNcPostFile::ReadLine(std::u16string& line) { return reader_->ReadLine(line) == 0; }

bool CNcPostFile::OpenReader() {
  reader_ = lines_.OpenRead(postFilePath_);
  return reader_ != nullptr;
}

int32_t CNcPostFile::CloseReader() {
  if (reader_ == nullptr) return kTextNotOpen;
  const int32_t status = reader_->Close();
  reader_.reset();
  return status;
}

// Only a missing post file is made: one that exists but could not be read (a transient error,
// a folder in its place) keeps its contents, and the caller reports the failed read.
bool CNcPostFile::CreateEmptyPostFile() {
  if (lines_.Exists(postFilePath_)) return false;
  std::unique_ptr<LineSink> file = lines_.OpenWrite(scratchFilePath_);
  if (file == nullptr || file->Close() != 0) return false;
  return lines_.Replace(scratchFilePath_, postFilePath_) == 0;
}

PostFileStatus CNcPostFile::Load(PostLoadMode mode) {
  mode_ = static_cast<int32_t>(mode);
  store_.lastLoadedPost = postOld_;
  const bool full = IsFullLoadMode(mode);
  findMaterial_ = materialOld_;
  findThickness_ = thicknessOld_;
  selectedMaterial_ = -1;
  selectedThickness_ = -1;

  if (!OpenReader() && (!CreateEmptyPostFile() || !OpenReader())) return PostFileStatus::Failed;
  std::u16string line;
  ReadLine(line);
  fileVersion_ = line.size() > 8 ? line.substr(8) : std::u16string();
  line.clear();
  ReadLine(line);
  const std::vector<std::u16string> names = SplitPostLine(line);
  store_.postCount = std::min(static_cast<int32_t>(names.size()), kMaxPosts);
  for (size_t i = 0; i < store_.postNames.size(); ++i) {
    store_.postNames[i] = i < names.size() ? names[i] : std::u16string();
  }

  bool read = true;
  if (full && FindPostSection(postOld_)) {
    read = ReadMaterialAndThicknessLines() && ReadPostHeader() && ReadCondition();
  }
  if (CloseReader() != 0 || !read) return PostFileStatus::Failed;
  return PostFileStatus::Ok;
}

bool CNcPostFile::FindPostSection(std::u16string_view postName) {
  std::u16string line;
  while (ReadLine(line)) {
    if (!FirstFieldIs(line, kHeadPostName)) continue;
    if (FieldAt(SplitPostLine(line), 1) == postName) return true;
  }
  return false;
}

// The material line and one thickness line per material of the file. Names beyond the
// tables' room are read past so that the following lines stay in step.
bool CNcPostFile::ReadMaterialAndThicknessLines() {
  std::u16string line;
  if (!ReadLine(line)) return false;
  const std::vector<std::u16string> materials = SplitPostLine(line);
  ClearStrings(store_.materialNames);
  store_.materialCount = std::min(static_cast<int32_t>(materials.size()), kMaxMaterials);
  for (int32_t i = 0; i < store_.materialCount; ++i) {
    std::u16string& name = store_.materialNames[static_cast<size_t>(i)];
    name = CutName(materials[static_cast<size_t>(i)]);
    if (selectedMaterial_ < 0 && !findMaterial_.empty() && name == findMaterial_) {
      selectedMaterial_ = i;
    }
  }
  if (findMaterial_.empty()) {
    findMaterial_ = store_.materialNames[0];
    materialOld_ = materialNew_ = findMaterial_;
    store_.material = {findMaterial_, findMaterial_};
    selectedMaterial_ = 0;
  }

  for (ThicknessNameRow& row : store_.thicknessNames) ClearStrings(row);
  store_.thicknessCount = 0;
  const size_t lines = std::max<size_t>(materials.size(), 1);
  for (size_t m = 0; m < lines; ++m) {
    if (!ReadLine(line)) return false;
    if (materials.empty() || m >= static_cast<size_t>(kMaxMaterials)) continue;
    const std::vector<std::u16string> thicknesses = SplitPostLine(line);
    ThicknessNameRow& row = store_.thicknessNames[m];
    store_.thicknessCount = std::min(static_cast<int32_t>(thicknesses.size()), kMaxThicknesses);
    for (int32_t t = 0; t < store_.thicknessCount; ++t) {
      row[static_cast<size_t>(t)] = CutName(thicknesses[static_cast<size_t>(t)]);
    }
    if (static_cast<int32_t>(m) != selectedMaterial_) continue;
    if (findThickness_.empty()) {
      findThickness_ = row[0];
      thicknessOld_ = thicknessNew_ = findThickness_;
      store_.thickness = {findThickness_, findThickness_};
      selectedThickness_ = 0;
      continue;
    }
    const auto found = std::find(row.begin(), row.begin() + store_.thicknessCount, findThickness_);
    if (found != row.begin() + store_.thicknessCount) {
      selectedThickness_ = static_cast<int32_t>(found - row.begin());
    }
  }
  return true;
}

bool CNcPostFile::ReadPostHeader() {
  std::u16string line;
  if (!ReadLine(line)) return false;
  const std::vector<std::u16string> fields = SplitPostLine(line);
  PostRecord& r = store_.record;
  r.coordinateMode = ToInt(FieldAt(fields, 1));
  for (size_t i = 0; i < postValues_.size() && i + 2 < fields.size(); ++i) {
    postValues_[i] = ToInt(fields[i + 2]);
  }
  fileFromRows_ = postValues_[0];
  fileToRows_ = postValues_[1];
  int32_t* options[] = {&r.macroMode,      &r.sequenceMode,    &r.decimalIndex,
                        &r.deleteAfterM30, &r.cutterSide,      &r.skipSameCondition,
                        &r.addMotionCodes, &r.keepHeadComment, &r.breakUpSubprograms};
  for (size_t i = 0; i < std::size(options); ++i) *options[i] = postValues_[i + 2];

  const std::vector<std::u16string*> strings = RecordTemplateFields(r);
  for (size_t i = 0; i < strings.size(); ++i) {
    if (!ReadLine(*strings[i])) return false;
    if (i != 3) continue;
    // The two sequence lines sit between the subprogram lines and the templates.
    if (!ReadLine(r.sequenceCode) || !ReadLine(line)) return false;
    r.sequenceNumber = ToInt(line);
  }
  return ReadSpecialCodeList(r.lineCodeFrom, fileFromRows_) &&
         ReadSpecialCodeList(r.lineCodeTo, fileToRows_) &&
         ReadSpecialCodeList(r.stringCodeFrom, fileFromRows_) &&
         ReadSpecialCodeList(r.stringCodeTo, fileToRows_);
}

// Reads the rows the file states; rows past the list's 20 are read and dropped, missing ones
// (files that stated 10) are left empty.
bool CNcPostFile::ReadSpecialCodeList(SpecialCodeList& list, int32_t rows) {
  ClearStrings(list);
  std::u16string line;
  for (int32_t i = 0; i < rows; ++i) {
    if (!ReadLine(line)) return false;
    if (i < kSpecialCodeRows) list[static_cast<size_t>(i)] = line;
  }
  return true;
}

// Finds the selected condition in the post's section and reads its block. Every condition
// header passed on the way sets workChute, as the store has always shown it.
bool CNcPostFile::ReadCondition() {
  MachiningCondition& c = store_.condition;
  std::u16string line;
  bool matched = false;
  while (!matched && ReadLine(line)) {
    if (FirstFieldIs(line, kHeadPostName)) break;
    if (!FirstFieldIs(line, kHeadManuCond)) continue;
    const std::vector<std::u16string> fields = SplitPostLine(line);
    c.workChute = ToInt(FieldAt(fields, 3));
    if (FieldAt(fields, 1) != findMaterial_ || FieldAt(fields, 2) != findThickness_) continue;
    matched = true;
    for (size_t i = 0; i < conditionValues_.size() && i + 4 < fields.size(); ++i) {
      conditionValues_[i] = ToInt(fields[i + 4]);
    }
  }
  ClearCondition(c);
  if (!matched) return true;
  c.layout = conditionValues_;
  return ReadConditionBlock();
}

bool CNcPostFile::ReadConditionBlock() {
  MachiningCondition& c = store_.condition;
  int32_t group = 0;
  auto readGroup = [this, &c, &group](auto& strings) {
    const int32_t count = c.layout[static_cast<size_t>(group++)];
    if (count < 0 || count > static_cast<int32_t>(strings.size())) return false;
    for (int32_t i = 0; i < count; ++i) {
      if (!ReadLine(strings[static_cast<size_t>(i)])) return false;
    }
    return true;
  };
  if (!readGroup(c.programVariables) || !readGroup(c.punch) || !readGroup(c.marking) ||
      !readGroup(c.longSideLimits) || !readGroup(c.shapeCodes) || !readGroup(c.lineLengthLimits) ||
      !readGroup(c.arcRadiusLimits) || !readGroup(c.elementCodes)) {
    return false;
  }
  std::u16string line;
  c.autoConditionBasis = 0;
  if (c.layout[8] == 1) {
    if (!ReadLine(line)) return false;
    c.autoConditionBasis = ToInt(line);
  }
  if (!ReadLine(c.workChuteCode) || !ReadLine(c.workChuteMinLength) ||
      !ReadLine(c.cutSourceCondition) || !ReadLine(line)) {
    return false;
  }
  c.conditionIsModal = ToInt(line) != 0 ? 1 : 0;
  return true;
}

}  // namespace qv
