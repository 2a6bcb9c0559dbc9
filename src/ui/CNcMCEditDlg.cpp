#include "ui/CNcMCEditDlg.h"

namespace qv {

namespace {

void SetSelection(CNcPostFile& file, const PostStore& store) {
  file.SetPostNames(store.post.oldName, store.post.newName);
  file.SetMaterialNames(store.material.oldName, store.material.newName);
  file.SetThicknessNames(store.thickness.oldName, store.thickness.newName);
}

}  // namespace

CNcMCEditDlg::CNcMCEditDlg(PostStore& store, const SystemFiles& files, UserInteraction& interaction,
                           McEditView& view)
    : store_(store), files_(files), interaction_(interaction), view_(view) {}

PostFileStatus CNcMCEditDlg::Load() {
  CNcPostFile file(store_, files_);
  SetSelection(file, store_);
  return file.Load(PostLoadMode::ConditionEditor);
}

PostFileStatus CNcMCEditDlg::Save() {
  CNcPostFile file(store_, files_);
  SetSelection(file, store_);
  return file.Save(PostSaveMode::SaveReplaceCondition);
}

void CNcMCEditDlg::Open() {
  // A load that fails leaves the store as it was; the editor shows that, as the file has it.
  Load();
  view_.ShowFields({store_.material.newName, store_.thickness.newName, store_.condition});
  view_.SetWorkChuteEditable(store_.condition.workChute == 1);
}

void CNcMCEditDlg::SelectWorkChute(int32_t choice) {
  store_.condition.workChute = choice;
  view_.SetWorkChuteEditable(choice == 1);
}

bool CNcMCEditDlg::Ok() {
  const std::optional<MachiningCondition> typed = view_.Fields();
  if (!typed) return false;
  MachiningCondition& condition = store_.condition;
  // The work chute choice reached the store at its click; the layout is the file's.
  const int32_t workChute = condition.workChute;
  const auto layout = condition.layout;
  condition = *typed;
  condition.workChute = workChute;
  condition.layout = layout;
  if (Save() != PostFileStatus::Ok) {
    interaction_.ShowMessage({MessageKind::Exclamation, kMcEditSaveFailed, kMessageCaption});
    return false;
  }
  return true;
}

bool CNcMCEditDlg::Cancel() {
  Load();
  return true;
}

}  // namespace qv
