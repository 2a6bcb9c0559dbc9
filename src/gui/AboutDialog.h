#pragma once

#include <QDialog>
#include <string_view>

#include "settings/Settings.h"
#include "ui/CAboutDlg.h"

class QLabel;

namespace qv {

// The version box ("ﾊﾞｰｼﾞｮﾝ情報 Drevmark") over CAboutDlg; the main window's system menu entry
// runs it with exec().
class AboutDialog : public QDialog, private VersionView {
 public:
  explicit AboutDialog(std::u16string_view version = kSettingsVersion, QWidget* parent = nullptr);

 private:
  void ShowVersionLine(const std::u16string& line) override;

  CAboutDlg logic_;
  QLabel* versionLine_;
};

}  // namespace qv
