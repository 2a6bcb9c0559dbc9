#pragma once

#include <string>

#include "nctext/LineFiles.h"
#include "platform/SystemFiles.h"
#include "platform/UserInteraction.h"
#include "post/PostStore.h"
#include "ui/PostDlgView.h"

namespace qv {

// The title of the post editor.
inline constexpr std::u16string_view kPostDlgTitle = u"ポスト編集";
// Shown when OK could not save the post file; the dialog stays open with the input.
inline constexpr std::u16string_view kPostSaveFailedMessage =
    u"ポストデータの保存に失敗しました。\n入力内容は残っています。";

// The post editor: edits the templates and the two special-code lists of the current post
// record and saves the post header. OK saves through the post file's atomic save; cancel and
// closing the window reload the post so the store drops the edits, and write nothing.
class CNcPostDlg {
 public:
  // listedPost is the post name the main dialog's post list shows (for special code II).
  CNcPostDlg(PostDlgView& view, PostStore& store, const SystemFiles& files,
             UserInteraction& interaction, std::u16string listedPost);
  // The same, with the files read and written through lines.
  CNcPostDlg(PostDlgView& view, PostStore& store, const SystemFiles& files,
             UserInteraction& interaction, std::u16string listedPost, LineFiles& lines);
  CNcPostDlg(const CNcPostDlg&) = delete;
  CNcPostDlg& operator=(const CNcPostDlg&) = delete;

  // Fills the fields from the current post record.
  void Open();
  // Takes the fields into the store and saves the post header; closes unless that failed.
  void OnOk();
  // "ｷｬﾝｾﾙ" and closing the window: reload the post, close.
  void OnCancel();
  // "特殊変換コードⅡ".
  void OnSpecialCodes();

 private:
  void TakeFields();
  bool SaveHeader();

  PostDlgView& view_;
  PostStore& store_;
  SystemFiles files_;
  UserInteraction& interaction_;
  std::u16string listedPost_;
  DiskLineFiles disk_;
  LineFiles& lines_;
};

}  // namespace qv
