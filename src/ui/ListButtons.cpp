// The main dialog's name lists: the "追加", "変更", "削除" sequences of the post list and of the
// material and thickness lists, and the reloads when the operator picks another item.
#include "post/PlainNameList.h"
#include "post/SpecialCodeFile.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

constexpr char16_t kNoPost[] = u"ポストが未登録です。";
constexpr char16_t kNoMaterial[] = u"材質が未登録です。";
constexpr char16_t kNoThickness[] = u"板厚が未登録です。";

// The drop-down as a name list: the remembered item selected, then the operator's typing.
PlainNameList ControlOf(const DropDown& list, bool sorted, const std::u16string& selected,
                        const std::u16string& typed) {
  PlainNameList control(sorted);
  for (int32_t i = 0; i < static_cast<int32_t>(list.items.size()); ++i) {
    control.Insert(i, list.items[static_cast<size_t>(i)]);
  }
  control.SelectText(selected);
  control.Type(typed);
  return control;
}

template <typename Table>
int32_t CountNames(const Table& names) {
  int32_t count = 0;
  while (count < static_cast<int32_t>(names.size()) && !names[static_cast<size_t>(count)].empty()) {
    ++count;
  }
  return count;
}

// The item the operator picked; nullptr for an index outside the list.
const std::u16string* Picked(const DropDown& list, int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(list.items.size())) return nullptr;
  return &list.items[static_cast<size_t>(index)];
}

}  // namespace

void CQuorvalenDlg::LoadPost(PostLoadMode mode) {
  PostStore& store = app_.Posts();
  CNcPostFile file(store, app_.Files());
  file.SetPostNames(store.post.newName, store.post.newName);
  file.SetMaterialNames(store.material.newName, store.material.newName);
  file.SetThicknessNames(store.thickness.newName, store.thickness.newName);
  file.Load(mode);
}

bool CQuorvalenDlg::SavePost(PostSaveMode mode) {
  PostStore& store = app_.Posts();
  CNcPostFile file(store, app_.Files());
  file.SetPostNames(store.post.oldName, store.post.newName);
  file.SetMaterialNames(store.material.oldName, store.material.newName);
  file.SetThicknessNames(store.thickness.oldName, store.thickness.newName);
  return file.Save(mode) == PostFileStatus::Ok;
}

// The list classes follow the store after every load or save.
void CQuorvalenDlg::SyncNameLists() {
  const PostStore& store = app_.Posts();
  PlainNameList posts(false);
  for (int32_t i = 0; i < store.postCount; ++i) posts.Add(store.postNames[static_cast<size_t>(i)]);
  CCBControl& postList = app_.PostList();
  postList.TakeList(posts);
  postList.SetSelection(store.post.newName, store.post.newName);
  CMTControl& lists = app_.MaterialLists();
  lists.SetTables(store.materialNames, store.thicknessNames);
  lists.SetMaterialSelection(store.material.newName, store.material.newName);
  lists.SetThicknessSelection(store.thickness.newName, store.thickness.newName);
}

// The lists, the option fields and their enabling, after the store changed.
void CQuorvalenDlg::Refresh(OptionFields options) {
  ConversionOptions fields = view_.Fields();
  FillLists();
  PostStore& store = app_.Posts();
  store.material = {materials_.text, materials_.text};
  store.thickness = {thicknesses_.text, thicknesses_.text};
  SyncNameLists();
  if (options == OptionFields::Shown) ShowOptions(store.record, app_.CurrentSettings(), fields);
  fields.postName = posts_.text;
  fields.materialName = materials_.text;
  fields.thicknessName = thicknesses_.text;
  view_.ShowFields(fields);
  ApplyEnabling();
}

void CQuorvalenDlg::AddPost() {
  const PostStore& shown = app_.Posts();
  PlainNameList control = ControlOf(posts_, false, shown.post.newName, view_.Fields().postName);
  CCBControl& list = app_.PostList();
  if (list.Add(control) != NameEditResult::Done) return Tell(list.Message());
  std::u16string source;
  std::u16string added;
  list.GetSelection(source, added);
  SpecialCodeFile(app_.Files()).CopySpecialCodeBlock(source, added, control.SelectedIndex());
  PostStore& store = app_.Posts();
  for (size_t i = 0; i < store.postNames.size(); ++i) store.postNames[i] = list.Items()[i];
  store.postCount = CountNames(store.postNames);
  store.post = {source, added};
  SavePost(PostSaveMode::SaveCopyPost);
  store.post = {added, added};
  LoadPost(PostLoadMode::PostChosen);
  Refresh();
}

void CQuorvalenDlg::ChangePost() {
  if (posts_.items.empty()) return Tell(kNoPost);
  PostStore& store = app_.Posts();
  PlainNameList control = ControlOf(posts_, false, store.post.newName, view_.Fields().postName);
  CCBControl& list = app_.PostList();
  if (list.Change(control) != NameEditResult::Done) return Tell(list.Message());
  std::u16string oldName;
  std::u16string newName;
  list.GetSelection(oldName, newName);
  SpecialCodeFile(app_.Files()).RenameSpecialCodeBlock(oldName, newName);
  for (size_t i = 0; i < store.postNames.size(); ++i) store.postNames[i] = list.Items()[i];
  store.post = {oldName, newName};
  SavePost(PostSaveMode::SaveHeaderAlways);
  store.post = {newName, newName};
  Refresh();
}

void CQuorvalenDlg::DeletePost() {
  if (posts_.items.size() == 1) return Tell(u"全てのポストを削除することはできません。");
  if (posts_.items.empty()) return Tell(kNoPost);
  if (!Ask(QuestionKind::OkCancel, u"削除しますか？")) return;
  PostStore& store = app_.Posts();
  const std::u16string typed = view_.Fields().postName;
  PlainNameList control = ControlOf(posts_, false, store.post.newName, typed);
  if (control.SelectedIndex() < 0 || control.ItemText(control.SelectedIndex()) != typed) {
    if (control.SelectText(typed) < 0) return Tell(u"登録データが見つかりませんでした");
    control.Type(typed);
    app_.PostList().OnSelection(control);
  }
  CCBControl& list = app_.PostList();
  if (list.Delete(control) != NameEditResult::Done) return Tell(list.Message());
  std::u16string deleted;
  std::u16string ignored;
  list.GetSelection(deleted, ignored);
  for (size_t i = 0; i < store.postNames.size(); ++i) store.postNames[i] = list.Items()[i];
  store.postCount = CountNames(store.postNames);
  store.post = {deleted, deleted};
  SavePost(PostSaveMode::SaveDeletePost);
  store.post = {store.postNames[0], store.postNames[0]};
  LoadPost(PostLoadMode::PostChosen);
  Refresh();
  SpecialCodeFile(app_.Files()).RemoveSpecialCodeBlock(deleted);
}

// The checks before a material/thickness change or delete, and before the condition editor:
// depth 1 the post list, 2 also the materials, 3 also the thicknesses.
bool CQuorvalenDlg::RequireLists(int32_t depth) {
  if (posts_.items.empty()) return Tell(kNoPost), false;
  if (depth >= 2 && materials_.items.empty()) return Tell(kNoMaterial), false;
  if (depth >= 3 && thicknesses_.items.empty()) return Tell(kNoThickness), false;
  return true;
}

// After a material/thickness operation: the tables into the store, the save, the lists.
void CQuorvalenDlg::FinishConditionEdit(PostSaveMode mode) {
  PostStore& store = app_.Posts();
  const CMTControl& lists = app_.MaterialLists();
  lists.CopyMaterialsOut(store.materialNames);
  lists.CopyThicknessesOut(store.thicknessNames);
  store.materialCount = CountNames(store.materialNames);
  lists.GetMaterialSelection(store.material.oldName, store.material.newName);
  lists.GetThicknessSelection(store.thickness.oldName, store.thickness.newName);
  const int32_t row = FindMaterial(store, store.material.newName);
  store.thicknessCount = ThicknessCountOf(store, row);
  SavePost(mode);
  store.material.oldName = store.material.newName;
  store.thickness.oldName = store.thickness.newName;
  if (mode != PostSaveMode::SaveDeleteCondition) return Refresh(OptionFields::Kept);
  LoadPost(PostLoadMode::ThicknessChosen);
  Refresh();
}

void CQuorvalenDlg::AddCondition() {
  if (!RequireLists(1)) return;
  ConditionControls controls = MakeConditionControls();
  CMTControl& lists = app_.MaterialLists();
  if (lists.AddMaterialThickness(controls.materials, controls.thicknesses) ==
      MaterialThicknessAdd::Refused) {
    // A listed material is no refusal by itself: the thickness says why when it has a reason.
    const std::u16string message =
        lists.ThicknessMessage().empty() ? lists.MaterialMessage() : lists.ThicknessMessage();
    return Tell(message);
  }
  FinishConditionEdit(PostSaveMode::SaveAddCondition);
}

void CQuorvalenDlg::ChangeCondition() {
  if (!RequireLists(3)) return;
  ConditionControls controls = MakeConditionControls();
  if (app_.MaterialLists().ChangeMaterialThickness(controls.materials, controls.thicknesses) ==
      MaterialThicknessChange::Refused) {
    return TellConditionRefusal();
  }
  FinishConditionEdit(PostSaveMode::SaveRenameMaterial);
}

void CQuorvalenDlg::DeleteCondition() {
  if (!RequireLists(3)) return;
  if (!Ask(QuestionKind::OkCancel, u"削除しますか？")) return;
  ConditionControls controls = MakeConditionControls();
  if (app_.MaterialLists().DeleteMaterialThickness(controls.materials, controls.thicknesses) ==
      MaterialThicknessDelete::Refused) {
    return TellConditionRefusal();
  }
  FinishConditionEdit(PostSaveMode::SaveDeleteCondition);
}

// The two lists as the operator left them, the list classes on the shown selection.
CQuorvalenDlg::ConditionControls CQuorvalenDlg::MakeConditionControls() {
  const PostStore& store = app_.Posts();
  const ConversionOptions fields = view_.Fields();
  CMTControl& lists = app_.MaterialLists();
  lists.SetMaterialSelection(store.material.newName, store.material.newName);
  lists.SetThicknessSelection(store.thickness.newName, store.thickness.newName);
  return {ControlOf(materials_, true, store.material.newName, fields.materialName),
          ControlOf(thicknesses_, true, store.thickness.newName, fields.thicknessName)};
}

void CQuorvalenDlg::TellConditionRefusal() {
  const CMTControl& lists = app_.MaterialLists();
  for (const std::u16string& message : {lists.MaterialMessage(), lists.ThicknessMessage()}) {
    if (!message.empty()) Tell(message);
  }
}

void CQuorvalenDlg::SelectPost(int32_t index) {
  const std::u16string* chosen = Picked(posts_, index);
  if (chosen == nullptr) return;
  PostStore& store = app_.Posts();
  if (*chosen != store.post.newName && !TakeFields()) {
    // A refused field keeps the window on its post: leaving would drop every typed option.
    return Refresh(OptionFields::Kept);
  }
  postIndex_ = index;
  if (*chosen == store.post.newName) return;
  TakeOptions(view_.Fields(), app_.StartMode(), store, app_.CurrentSettings());
  store.post = {store.lastLoadedPost, store.lastLoadedPost};
  SavePost(PostSaveMode::SaveLoadedPost);
  store.post = {*chosen, *chosen};
  store.material = {};
  store.thickness = {};
  LoadPost(PostLoadMode::PostChosen);
  Refresh();
}

void CQuorvalenDlg::SelectMaterial(int32_t index) {
  const std::u16string* chosen = Picked(materials_, index);
  PostStore& store = app_.Posts();
  if (chosen == nullptr || *chosen == store.material.newName) return;
  store.material = {*chosen, *chosen};
  store.thickness = {};
  LoadPost(PostLoadMode::MaterialChosen);
  Refresh(OptionFields::Kept);
}

void CQuorvalenDlg::SelectThickness(int32_t index) {
  const std::u16string* chosen = Picked(thicknesses_, index);
  PostStore& store = app_.Posts();
  if (chosen == nullptr || *chosen == store.thickness.newName) return;
  store.thickness = {*chosen, *chosen};
  LoadPost(PostLoadMode::ThicknessChosen);
  Refresh(OptionFields::Kept);
}

}  // namespace qv
