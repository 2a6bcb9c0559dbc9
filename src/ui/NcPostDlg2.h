#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nctext/LineFiles.h"
#include "platform/SystemFiles.h"
#include "platform/UserInteraction.h"
#include "post/SpecialCodeFile.h"
#include "ui/SpecialCodeView.h"

namespace qv {

// The title of the special code II dialog.
inline constexpr std::u16string_view kNcPostDlg2Title = u"特殊変換コードⅡ";
// Shown when a new page cannot be allocated.
inline constexpr std::u16string_view kPageMemoryMessage =
    u"メモリが不足しました\n動作を取り消します";

// The special code II dialog: the post's pairs of the additional special code file, shown in
// pages of 60. The file is written only on OK; a failed write keeps the dialog open.
class NcPostDlg2 {
 public:
  NcPostDlg2(SpecialCodeView& view, const SystemFiles& files, UserInteraction& interaction,
             std::u16string postName);
  // The same, with the files read and written through lines.
  NcPostDlg2(SpecialCodeView& view, const SystemFiles& files, UserInteraction& interaction,
             std::u16string postName, LineFiles& lines);
  NcPostDlg2(const NcPostDlg2&) = delete;
  NcPostDlg2& operator=(const NcPostDlg2&) = delete;

  // Reads the post's pairs and shows page 1; a failed read is reported and leaves one empty page.
  void Open();
  // "→": to the next page, appending one when the last page has a "from" entry.
  void OnNext();
  // "←": to the previous page, dropping an empty last page.
  void OnPrevious();
  // Writes the pairs and closes; a failed write is reported and the dialog stays open.
  void OnOk();
  // "ｷｬﾝｾﾙ" and closing the window: close without writing.
  void OnCancel();

  int32_t CurrentPage() const { return currentPage_; }
  int32_t PageCount() const { return pageCount_; }

 private:
  void StorePage();
  void ShowPage();
  bool VisiblePageIsEmpty() const;
  bool AppendPage();
  void Tell(std::u16string_view text);

  SpecialCodeView& view_;
  UserInteraction& interaction_;
  std::u16string postName_;
  DiskLineFiles disk_;
  SpecialCodeFile file_;
  // Whole pages; a dropped last page keeps its entries until a page is appended again.
  std::vector<SpecialCodePair> pairs_;
  int32_t currentPage_ = 1;
  int32_t pageCount_ = 1;
};

}  // namespace qv
