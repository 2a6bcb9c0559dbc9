#pragma once

#include <QDialog>
#include <array>
#include <string_view>

#include "settings/Settings.h"
#include "ui/CParameter.h"

class QComboBox;
class QLabel;

namespace qv {

// The parameter dialog ("パラメータ") over CParameter, on the application's settings; the main
// window runs it with exec().
class ParameterDialog : public QDialog, private ParameterView {
 public:
  explicit ParameterDialog(Settings& settings, std::u16string_view version = kSettingsVersion,
                           QWidget* parent = nullptr);

  // "OK": stores the choice.
  void accept() override;

 private:
  void ShowVersionLine(const std::u16string& line) override;
  void ShowResolutions(const std::array<std::u16string_view, 4>& items, int32_t selected) override;
  int32_t SelectedResolution() const override;

  CParameter logic_;
  QComboBox* resolution_;
  QLabel* versionLine_;
};

}  // namespace qv
