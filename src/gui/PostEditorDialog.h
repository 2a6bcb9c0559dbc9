#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "platform/SystemFiles.h"
#include "platform/UserInteraction.h"
#include "post/PostLimits.h"
#include "post/PostStore.h"
#include "ui/CNcPostDlg.h"

class QLineEdit;

namespace qv {

// The post editor's window ("ポスト編集"): the template and special-code fields over the
// CNcPostDlg logic. The main window runs it modally after loading the selected post:
//   PostEditorDialog dialog(app.Posts(), app.Files(), app.Interaction(), listedPost, this);
//   dialog.exec();
class PostEditorDialog : public QDialog, public PostDlgView {
 public:
  // Opens filled from the store's current post record; listedPost is the name the post list
  // shows, whose special code II pairs the "特殊変換コードⅡ" button edits.
  PostEditorDialog(PostStore& store, const SystemFiles& files, UserInteraction& interaction,
                   std::u16string listedPost, QWidget* parent = nullptr);

  std::u16string Text(PostFieldId id) const override;
  void SetText(PostFieldId id, std::u16string_view text) override;
  bool TakeValues() override { return true; }
  void RunSpecialCodes(std::u16string_view postName) override;
  void Close(bool accepted) override;

  // The window's close button and Esc cancel like "ｷｬﾝｾﾙ".
  void reject() override;

 private:
  QLineEdit* Field(PostFieldId id) const;
  QWidget* TemplateGroups();
  QWidget* CodeGroup(const QString& caption, PostField from, PostField to);
  QLineEdit* NewField(PostField field, int32_t row, QWidget* parent);

  SystemFiles files_;
  UserInteraction& interaction_;
  std::array<QLineEdit*, kPostTemplateFields> templates_{};
  std::array<std::array<QLineEdit*, kSpecialCodeRows>, 4> codes_{};
  CNcPostDlg logic_;
};

}  // namespace qv
