#pragma once

#include <string>
#include <string_view>

namespace qv {

// The window title of the version box.
inline constexpr char16_t kAboutTitle[] = u"ﾊﾞｰｼﾞｮﾝ情報 Drevmark";
// The version line as the dialog templates carry it; its last four characters are the version.
inline constexpr std::u16string_view kVersionLineTemplate = u"Drevmark version 1.00";

// The template line with its last four characters replaced by version ("1.69").
std::u16string VersionLine(std::u16string_view templateLine, std::u16string_view version);

// The version line of a version box or the parameter dialog.
class VersionView {
 public:
  virtual ~VersionView() = default;
  virtual void ShowVersionLine(const std::u16string& line) = 0;
};

// The version box ("ﾊﾞｰｼﾞｮﾝ情報 Drevmark"): the icon, the version line and "OK".
class CAboutDlg {
 public:
  CAboutDlg(VersionView& view, std::u16string_view version) : view_(view), version_(version) {}

  // Shows the version line with the program's version.
  void Open() { view_.ShowVersionLine(VersionLine(kVersionLineTemplate, version_)); }
  // "OK": closes.
  bool Ok() { return true; }

 private:
  VersionView& view_;
  std::u16string version_;
};

}  // namespace qv
