#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/Settings.h"
#include "ui/CAboutDlg.h"

namespace qv {

// The window title of the parameter dialog.
inline constexpr char16_t kParameterTitle[] = u"パラメータ";
// The items of "解像度選択", in this order, blanks as shown.
inline constexpr std::array<std::u16string_view, 4> kResolutionItems = {
    u"1024 x  768", u"1280 x  720", u"1920 x 1080", u"2560 x 1440"};

// The parameter dialog's window: the "解像度選択" drop-down and the version line.
class ParameterView : public VersionView {
 public:
  // Fills the drop-down and selects the item at selected (none when out of range).
  virtual void ShowResolutions(const std::array<std::u16string_view, 4>& items,
                               int32_t selected) = 0;
  // The drop-down's current selection; -1 when nothing is selected.
  virtual int32_t SelectedResolution() const = 0;
};

// The parameter dialog ("パラメータ"): the screen size choice kept as "crt_size" in the settings.
class CParameter {
 public:
  CParameter(Settings& settings, ParameterView& view, std::u16string_view version)
      : settings_(settings), view_(view), version_(version) {}

  // Shows the version line and selects the stored index.
  void Open();
  // "OK": stores the selected index. True: the dialog closes.
  bool Ok();
  // "キャンセル": closes without storing.
  bool Cancel() { return true; }

 private:
  Settings& settings_;
  ParameterView& view_;
  std::u16string version_;
};

}  // namespace qv
