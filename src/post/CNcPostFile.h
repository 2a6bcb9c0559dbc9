#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nctext/LineFiles.h"
#include "platform/SystemFiles.h"
#include "post/PostStore.h"

namespace qv {

// The version this program writes on the first line of the post file.
inline constexpr std::u16string_view kPostFileVersion = u"1.69";

// One step of the upgrade from an older layout (defined beside UpgradePostFile).
class PostUpgradeStep;

// The post file's name in the System folder.
inline constexpr std::u16string_view kPostFileName = u"Quorvalen.pst";

// The result of a post file load, save or upgrade.
enum class PostFileStatus : int32_t {
  Ok = 0,
  Failed = -1,  // the file could not be read or replaced, or the post's data is damaged
};

// What a Load fills. Every named mode fills the whole store for (postOld, materialOld,
// thicknessOld); NamesOnly (and any mode not named here) only the post name list.
enum class PostLoadMode : int32_t {
  StartUp = 0,            // the start-up load
  PostChosen = 1,         // the main dialog after another post was chosen, saved or added
  MaterialChosen = 2,     // the main dialog after another material was chosen
  ThicknessChosen = 3,    // the main dialog after another thickness was chosen
  NamesOnly = 4,          // only the post name list
  PostEditorCancel = 15,  // the post editor drops its changes
  ConditionEditor = 105,  // the machining-condition editor opens or drops its changes
};

// What a Save does to the post file.
enum class PostSaveMode : int32_t {
  SaveHeader = 0,              // rewrite the post's header, keep its conditions
  SaveCopyPost = 11,           // append postNew with the conditions of postOld
  SaveHeaderAlways = 12,       // as SaveHeader, also with no posts
  SaveDeletePost = 13,         // drop the section of postOld
  SaveHeaderEditorOk = 14,     // as SaveHeaderAlways (the post editor's OK)
  SaveAddCondition = 101,      // append (materialNew, thicknessNew) from the store
  SaveRenameMaterial = 102,    // rename materialOld (and thicknessOld) in the conditions
  SaveDeleteCondition = 103,   // drop (materialOld, thicknessOld)
  SaveReplaceCondition = 104,  // replace (materialOld, thicknessOld) by the store's condition
  SaveLoadedPost = 106,        // as SaveHeader, under the post name of the last load
};

// Moves data between the post file "System/Quorvalen.pst" and the post store. Short-lived:
// construct, give the selection names, call one Load or Save, destroy. Every save writes the
// whole file to "System/Temp.dat" and swaps it in atomically.
class CNcPostFile {
 public:
  // Works on "System/Quorvalen.pst" of files on the disk, through "System/Temp.dat".
  CNcPostFile(PostStore& store, const SystemFiles& files);
  // The same, with the files read and written through lines.
  CNcPostFile(PostStore& store, const SystemFiles& files, LineFiles& lines);
  virtual ~CNcPostFile() = default;
  CNcPostFile(const CNcPostFile&) = delete;
  CNcPostFile& operator=(const CNcPostFile&) = delete;

  void SetPostNames(std::u16string_view oldName, std::u16string_view newName);
  void SetMaterialNames(std::u16string_view oldName, std::u16string_view newName);
  void SetThicknessNames(std::u16string_view oldName, std::u16string_view newName);

  // Fills the store from the post file as mode says. Failed when the file cannot be opened
  // or the selected post's data is truncated or malformed.
  PostFileStatus Load(PostLoadMode mode);
  // Rewrites the post file from the store. Failed (also for a value that names no mode) with
  // the post file left exactly as it was.
  PostFileStatus Save(PostSaveMode mode);
  // Brings a file written by an older version to the current layout; a missing file is left
  // alone. Failed when a step could not replace the file (later steps are then not run).
  PostFileStatus UpgradePostFile();

  const std::u16string& FileVersion() const { return fileVersion_; }
  int32_t SelectedMaterial() const { return selectedMaterial_; }
  int32_t SelectedThickness() const { return selectedThickness_; }
  const std::u16string& PostFilePath() const { return postFilePath_; }
  const std::u16string& ScratchFilePath() const { return scratchFilePath_; }

 private:
  // Load steps.
  // Each read step is false when the post's data ends early or is malformed.
  bool FindPostSection(std::u16string_view postName);
  bool ReadMaterialAndThicknessLines();
  bool ReadPostHeader();
  bool ReadSpecialCodeList(SpecialCodeList& list, int32_t rows);
  bool ReadCondition();
  bool ReadConditionBlock();
  bool ReadLine(std::u16string& line);
  bool OpenReader();
  // The reader's close status; kTextNotOpen when none is open.
  int32_t CloseReader();

  // Save steps.
  void RunSaveSteps(PostSaveMode mode);
  void CopySections(std::optional<std::u16string_view> stopAt);
  void CopyToPost(std::u16string_view postName);
  bool IsRegistered(std::u16string_view postName) const;
  void WriteHeader(std::u16string_view postName);
  void KeepConditions();
  void CopyRest();
  void WriteCondition(std::u16string_view material, std::u16string_view thickness);
  void CopyConditionsOf(std::u16string_view postName);
  void DeletePostSection(std::u16string_view postName);
  void RenameMaterialInConditions();
  void DeleteCondition();
  void ReplaceCondition();
  bool SkipToFirstCondition(std::u16string& line);
  void ForEachConditionLine(const std::function<bool(const std::u16string&)>& visit);
  void Write(std::u16string_view line);
  bool NextLine(std::u16string& line);
  PostFileStatus FinishSave();
  bool CreateEmptyPostFile();

  // Rewrites the whole file through step, under the current version line.
  PostFileStatus RunUpgradeStep(PostUpgradeStep& step);

  PostStore& store_;
  LineFiles& lines_;

  std::u16string fileVersion_;
  std::unique_ptr<LineSource> reader_;
  std::unique_ptr<LineSink> writer_;
  std::u16string pendingLine_;
  std::u16string postFilePath_;
  std::u16string scratchFilePath_;
  std::array<int32_t, kPostValueCount> postValues_{};
  std::array<int32_t, kLayoutValueCount> conditionValues_{};
  int32_t postCount_ = 0;
  int32_t materialCount_ = 0;
  int32_t thicknessCount_ = 0;
  int32_t mode_ = 0;
  int32_t selectedMaterial_ = -1;
  int32_t selectedThickness_ = -1;
  std::u16string postOld_;
  std::u16string postNew_;
  std::u16string materialOld_;
  std::u16string materialNew_;
  std::u16string thicknessOld_;
  std::u16string thicknessNew_;

  // Set when a read other than the end of the file, or a write, fails during a save.
  bool ioFailed_ = false;
  // Material and thickness names being searched by a full load.
  std::u16string findMaterial_;
  std::u16string findThickness_;
  // Row counts stated on the HeadPostCond line being read.
  int32_t fileFromRows_ = 0;
  int32_t fileToRows_ = 0;
};

}  // namespace qv
