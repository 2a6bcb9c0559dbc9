#pragma once

#include <cstdint>

#include "platform/SystemFiles.h"
#include "platform/UserInteraction.h"
#include "post/CNcPostFile.h"
#include "post/PostStore.h"
#include "ui/McEditView.h"

namespace qv {

// The window title of the machining-condition editor.
inline constexpr char16_t kMcEditTitle[] = u"加工条件編集";
// Said when OK could not write the post file; the dialog stays open with the typed fields.
inline constexpr char16_t kMcEditSaveFailed[] =
    u"加工条件を保存できませんでした。\nポストファイルは変更されていません。";

// The machining-condition editor ("加工条件編集"): edits the condition of the selected material
// and thickness of the current post and replaces it in the post file on OK.
class CNcMCEditDlg {
 public:
  CNcMCEditDlg(PostStore& store, const SystemFiles& files, UserInteraction& interaction,
               McEditView& view);
  CNcMCEditDlg(const CNcMCEditDlg&) = delete;
  CNcMCEditDlg& operator=(const CNcMCEditDlg&) = delete;

  // Loads the selected condition from the post file and shows it.
  void Open();
  // "無" (0) or "有" (1): the choice reaches the store at once.
  void SelectWorkChute(int32_t choice);
  // "OK": takes the fields and saves the condition. True when the dialog closes; a failed
  // save is told and keeps the dialog open.
  bool Ok();
  // "ｷｬﾝｾﾙ" and closing the window: drops every change by reloading. Always closes.
  bool Cancel();

 private:
  // Loads (mode 105) or saves (mode 104) with the store's selection pairs.
  PostFileStatus Load();
  PostFileStatus Save();

  PostStore& store_;
  const SystemFiles& files_;
  UserInteraction& interaction_;
  McEditView& view_;
};

}  // namespace qv
