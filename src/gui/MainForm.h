#pragma once

#include <QString>
#include <array>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

// Every control of the main window's groups, as the window reads and fills them.
struct MainForm {
  QGroupBox* fileGroup = nullptr;
  QPushButton* input = nullptr;
  QPushButton* convert = nullptr;
  QPushButton* output = nullptr;
  QPushButton* transfer = nullptr;
  QLabel* transferIcon = nullptr;

  QComboBox* posts = nullptr;
  std::array<QPushButton*, 3> postButtons{};  // "追加", "変更", "削除"
  QPushButton* inputTable = nullptr;
  QPushButton* postEditor = nullptr;

  QComboBox* materials = nullptr;
  QComboBox* thicknesses = nullptr;
  std::array<QPushButton*, 3> conditionButtons{};
  QPushButton* conditionEditor = nullptr;

  QLineEdit* programAddress = nullptr;
  QLineEdit* programNumber = nullptr;
  QLineEdit* comment = nullptr;
  QButtonGroup* sequenceMode = nullptr;
  QLineEdit* sequenceCode = nullptr;
  QLineEdit* sequenceNumber = nullptr;

  QButtonGroup* coordinateMode = nullptr;  // 0 "G９２", 1 "Ｇ９２の変更無し"
  std::vector<QWidget*> coordinateFields;
  QLineEdit* g92X = nullptr;
  QLineEdit* g92Y = nullptr;
  QLineEdit* coordinateCode2 = nullptr;
  QLineEdit* coordinateX2 = nullptr;
  QLineEdit* coordinateY2 = nullptr;

  QGroupBox* g93Group = nullptr;
  QButtonGroup* g93Mode = nullptr;
  QLineEdit* g93Code = nullptr;

  QCheckBox* keepHeadComment = nullptr;
  QCheckBox* deleteAfterM30 = nullptr;
  QCheckBox* addMotionCodes = nullptr;
  QComboBox* decimalPlaces = nullptr;
  QCheckBox* skipSameCondition = nullptr;
  QButtonGroup* macroMode = nullptr;
  QButtonGroup* cutterSide = nullptr;
  QLineEdit* subprogramCallCode = nullptr;
  QLineEdit* subprogramNumberWord = nullptr;
  QLineEdit* subprogramAddress = nullptr;
  QLineEdit* subprogramEndCode = nullptr;
  QCheckBox* breakUp = nullptr;

  QButtonGroup* conversionType = nullptr;
  QPushButton* stringTable = nullptr;
  QPushButton* parameters = nullptr;
  QPushButton* close = nullptr;

  // The widgets (labels included) behind each enabling id of the dialog's logic.
  std::vector<std::vector<QWidget*>> controls;
};

// Builds the left column of groups in parent, filling form.
QWidget* BuildLeftColumn(QWidget* parent, MainForm& form);
// Builds the "変換タイプ選択" group in parent.
QWidget* BuildTypeGroup(QWidget* parent, MainForm& form);

}  // namespace qv
