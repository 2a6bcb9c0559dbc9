#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "platform/SystemFiles.h"
#include "platform/UserInteraction.h"
#include "post/PostLimits.h"
#include "ui/NcPostDlg2.h"

class QLabel;
class QLineEdit;

namespace qv {

// The special code II window ("特殊変換コードⅡ"): one page of 60 pairs in three numbered
// columns over the NcPostDlg2 logic. The post editor runs it modally for the listed post:
//   SpecialCodeDialog dialog(files, interaction, postName, this);
//   dialog.exec();
class SpecialCodeDialog : public QDialog, public SpecialCodeView {
 public:
  // Opens on page 1 of the post's pairs (a failed read is reported first).
  SpecialCodeDialog(const SystemFiles& files, UserInteraction& interaction, std::u16string postName,
                    QWidget* parent = nullptr);

  std::u16string Text(PairColumn column, int32_t row) const override;
  void SetText(PairColumn column, int32_t row, std::u16string_view text) override;
  void ShowPage(int32_t current, int32_t count) override;
  bool TakeValues() override { return true; }
  void Close(bool accepted) override;

  // The window's close button and Esc cancel like "ｷｬﾝｾﾙ".
  void reject() override;

 private:
  QLineEdit* Field(PairColumn column, int32_t row) const;
  QWidget* PairColumns();
  QLayout* Buttons();

  std::array<std::array<QLineEdit*, kSpecialCodePageSize>, 2> fields_{};
  QLabel* page_ = nullptr;
  QLabel* pageCount_ = nullptr;
  NcPostDlg2 logic_;
};

}  // namespace qv
