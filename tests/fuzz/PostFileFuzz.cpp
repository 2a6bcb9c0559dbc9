// libFuzzer target for the post file: the fuzzer's bytes are "System/Quorvalen.pst", loaded in
// every mode, upgraded and saved back. The first byte picks the mode and the names.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "post/CNcPostFile.h"

namespace {

constexpr qv::PostLoadMode kLoadModes[] = {
    qv::PostLoadMode::StartUp,         qv::PostLoadMode::PostChosen,
    qv::PostLoadMode::MaterialChosen,  qv::PostLoadMode::ThicknessChosen,
    qv::PostLoadMode::NamesOnly,       qv::PostLoadMode::PostEditorCancel,
    qv::PostLoadMode::ConditionEditor, static_cast<qv::PostLoadMode>(7)};

constexpr qv::PostSaveMode kSaveModes[] = {
    qv::PostSaveMode::SaveHeader,           qv::PostSaveMode::SaveCopyPost,
    qv::PostSaveMode::SaveHeaderAlways,     qv::PostSaveMode::SaveDeletePost,
    qv::PostSaveMode::SaveHeaderEditorOk,   qv::PostSaveMode::SaveAddCondition,
    qv::PostSaveMode::SaveRenameMaterial,   qv::PostSaveMode::SaveDeleteCondition,
    qv::PostSaveMode::SaveReplaceCondition, qv::PostSaveMode::SaveLoadedPost};

template <typename Table>
std::vector<std::u16string> Names(const Table& table, int32_t count) {
  std::vector<std::u16string> names;
  for (int32_t i = 0; i < count && i < static_cast<int32_t>(table.size()); ++i) {
    names.push_back(table[static_cast<size_t>(i)]);
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  const qv::SystemFiles& files = qv::fuzz::ScratchProgramFolder();
  qv::fuzz::WriteBytes(files.System(qv::kPostFileName), input.bytes);
  qv::PostStore store;
  {
    qv::CNcPostFile names(store, files);
    names.Load(qv::PostLoadMode::NamesOnly);
  }
  const std::u16string post =
      qv::fuzz::PickName(Names(store.postNames, store.postCount), input.pick);
  {
    qv::CNcPostFile first(store, files);
    first.SetPostNames(post, post);
    first.Load(qv::PostLoadMode::StartUp);
  }
  const unsigned pick = input.pick;
  const std::u16string material =
      qv::fuzz::PickName(Names(store.materialNames, store.materialCount), pick >> 2);
  const int32_t materialIndex =
      store.materialCount > 0 ? static_cast<int32_t>((pick >> 2) % store.materialCount) : 0;
  const std::u16string thickness =
      qv::fuzz::PickName(Names(store.thicknessNames[static_cast<size_t>(materialIndex)],
                               qv::ThicknessCountOf(store, materialIndex)),
                         pick >> 4);
  qv::CNcPostFile load(store, files);
  load.SetPostNames(post, post);
  load.SetMaterialNames(material, material);
  load.SetThicknessNames(thickness, thickness);
  load.Load(kLoadModes[pick % std::size(kLoadModes)]);
  if ((pick & 0x80) == 0) return 0;
  // The top bit also upgrades and saves: the writers read the same bytes again.
  qv::CNcPostFile save(store, files);
  save.SetPostNames(post, u"FUZZ");
  save.SetMaterialNames(material, u"M");
  save.SetThicknessNames(thickness, u"9.9");
  save.UpgradePostFile();
  save.Save(kSaveModes[(pick >> 3) % std::size(kSaveModes)]);
  return 0;
}
