#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/QuorvalenDlg1.h"

class QLabel;
class QListWidget;

namespace qv {

// The unconvertible data list ("変換不可データ") over QuorvalenDlg1. The main window runs it with
// exec() after the input step's macro check; in the automatic mode exec() only writes the result
// line and returns at once, showing nothing.
class UnconvertibleDialog : public QDialog, private UnconvertibleView {
 public:
  UnconvertibleDialog(int32_t count, const std::vector<std::u16string>& entries, bool automatic,
                      QuorvalenDlg1::ResultWriter writeResult, QWidget* parent = nullptr);

  int exec() override;
  // Lists the figures that produce no moves under the unconvertible data; without
  // unconvertible data only they are shown.
  void ShowNoMoveFigures(bool withUnconvertible, const std::vector<std::u16string>& figures);

 private:
  void ShowLines(const std::vector<std::u16string>& lines) override;

  QuorvalenDlg1 logic_;
  QListWidget* list_;
  QLabel* figuresCaption_;
  QListWidget* figures_;
  bool closedAtOnce_ = false;
};

}  // namespace qv
