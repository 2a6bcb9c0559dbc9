// The groups and controls of the main window with their captions. Only construction: what the
// controls hold and do is the window's and the dialog logic's business.
#include "gui/MainForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/MainView.h"

namespace qv {
namespace {

QString Tr(const char16_t* text) { return QString::fromUtf16(text); }

QPushButton* Button(QWidget* parent, const char16_t* text, const char* name) {
  auto* button = new QPushButton(Tr(text), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* Edit(QWidget* parent, const char* name, int width = 0) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  if (width > 0) edit->setMaximumWidth(width);
  return edit;
}

QLabel* Label(QWidget* parent, const char16_t* text) { return new QLabel(Tr(text), parent); }

QComboBox* List(QWidget* parent, const char* name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  // The typed text is the name to add, rename or delete: completing it to a listed one would
  // act on another name than the operator's.
  list->setCompleter(nullptr);
  list->setMinimumContentsLength(12);
  return list;
}

QCheckBox* Check(QWidget* parent, const char16_t* text, const char* name) {
  auto* check = new QCheckBox(Tr(text), parent);
  check->setObjectName(QLatin1String(name));
  return check;
}

// Radio buttons of one choice, their ids the option values 0, 1, ...
std::vector<QRadioButton*> Radios(QWidget* parent, QButtonGroup*& group, const char* name,
                                  std::initializer_list<const char16_t*> texts) {
  group = new QButtonGroup(parent);
  group->setObjectName(QLatin1String(name));
  std::vector<QRadioButton*> buttons;
  int id = 0;
  for (const char16_t* text : texts) {
    auto* button = new QRadioButton(Tr(text), parent);
    button->setObjectName(QLatin1String(name) + QString::number(id));
    group->addButton(button, id++);
    buttons.push_back(button);
  }
  return buttons;
}

QGroupBox* Group(QWidget* parent, const char16_t* title, const char* name) {
  auto* group = new QGroupBox(Tr(title), parent);
  group->setObjectName(QLatin1String(name));
  return group;
}

QGridLayout* Grid(QWidget* group) {
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  return grid;
}

void Register(MainForm& form, MainControl id, std::vector<QWidget*> widgets) {
  auto& set = form.controls[static_cast<size_t>(id)];
  set.insert(set.end(), widgets.begin(), widgets.end());
}

QWidget* FileGroup(QWidget* parent, MainForm& f) {
  f.fileGroup = Group(parent, u"ＮＣファイルの入出力", "fileGroup");
  QGridLayout* grid = Grid(f.fileGroup);
  f.input = Button(f.fileGroup, u"入力", "inputButton");
  f.convert = Button(f.fileGroup, u"変換実行", "convertButton");
  f.output = Button(f.fileGroup, u"出力", "outputButton");
  f.transfer = Button(f.fileGroup, u"変換　データ転送　実行", "transferButton");
  f.transferIcon = new QLabel(f.fileGroup);
  f.transferIcon->setObjectName(QStringLiteral("transferIcon"));
  f.transferIcon->setPixmap(
      f.fileGroup->style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(20, 20));
  grid->addWidget(f.input, 0, 0);
  grid->addWidget(f.convert, 0, 1);
  grid->addWidget(f.output, 0, 2);
  grid->addWidget(f.transferIcon, 1, 0, Qt::AlignRight);
  grid->addWidget(f.transfer, 1, 1, 1, 2);
  Register(f, MainControl::Convert, {f.convert});
  return f.fileGroup;
}

QWidget* PostGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"ポスト選択と編集", "postGroup");
  QGridLayout* grid = Grid(group);
  f.posts = List(group, "postList");
  grid->addWidget(f.posts, 0, 0, 1, 3);
  const char* names[] = {"postAdd", "postChange", "postDelete"};
  const char16_t* texts[] = {u"追加", u"変更", u"削除"};
  for (int i = 0; i < 3; ++i) {
    f.postButtons[i] = Button(group, texts[i], names[i]);
    grid->addWidget(f.postButtons[i], 1, i);
  }
  f.inputTable = Button(group, u"入力変換", "inputTableButton");
  f.postEditor = Button(group, u"ポスト編集", "postEditorButton");
  grid->addWidget(f.inputTable, 2, 0, 1, 1);
  grid->addWidget(f.postEditor, 2, 1, 1, 2);
  Register(
      f, MainControl::PostGroup,
      {f.posts, f.postButtons[0], f.postButtons[1], f.postButtons[2], f.inputTable, f.postEditor});
  return group;
}

QWidget* ConditionGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"加工条件選択と編集", "conditionGroup");
  QGridLayout* grid = Grid(group);
  QLabel* material = Label(group, u"材質");
  QLabel* thickness = Label(group, u"板厚");
  f.materials = List(group, "materialList");
  f.thicknesses = List(group, "thicknessList");
  grid->addWidget(material, 0, 0);
  grid->addWidget(f.materials, 0, 1, 1, 3);
  const char* names[] = {"conditionAdd", "conditionChange", "conditionDelete"};
  const char16_t* texts[] = {u"追加", u"変更", u"削除"};
  for (int i = 0; i < 3; ++i) {
    f.conditionButtons[i] = Button(group, texts[i], names[i]);
    grid->addWidget(f.conditionButtons[i], 1, i + 1);
  }
  grid->addWidget(thickness, 2, 0);
  grid->addWidget(f.thicknesses, 2, 1, 1, 3);
  f.conditionEditor = Button(group, u"加工条件編集", "conditionEditorButton");
  grid->addWidget(f.conditionEditor, 3, 1, 1, 3);
  Register(f, MainControl::ConditionGroup,
           {material, thickness, f.materials, f.thicknesses, f.conditionButtons[0],
            f.conditionButtons[1], f.conditionButtons[2], f.conditionEditor});
  return group;
}

QWidget* ProgramGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"プログラム設定", "programGroup");
  QGridLayout* grid = Grid(group);
  QLabel* number = Label(group, u"プログラム番号");
  QLabel* comment = Label(group, u"コメント");
  f.programAddress = Edit(group, "programAddress", 40);
  f.programNumber = Edit(group, "programNumber");
  f.comment = Edit(group, "comment");
  grid->addWidget(number, 0, 0);
  grid->addWidget(f.programAddress, 0, 1);
  grid->addWidget(f.programNumber, 0, 2, 1, 2);
  grid->addWidget(comment, 1, 0);
  grid->addWidget(f.comment, 1, 1, 1, 3);
  const auto modes =
      Radios(group, f.sequenceMode, "sequenceMode", {u"シーケンス番号", u"付けない", u"そのまま"});
  f.sequenceCode = Edit(group, "sequenceCode", 40);
  f.sequenceNumber = Edit(group, "sequenceNumber");
  grid->addWidget(modes[0], 2, 0);
  grid->addWidget(f.sequenceCode, 2, 1);
  grid->addWidget(f.sequenceNumber, 2, 2, 1, 2);
  grid->addWidget(modes[1], 3, 0);
  grid->addWidget(modes[2], 3, 2, 1, 2);
  Register(f, MainControl::ProgramGroup,
           {number, comment, f.programAddress, f.programNumber, f.comment, modes[0], modes[1],
            modes[2], f.sequenceCode, f.sequenceNumber});
  return group;
}

QWidget* CoordinateGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"座標系選択", "coordinateGroup");
  QGridLayout* grid = Grid(group);
  const auto modes =
      Radios(group, f.coordinateMode, "coordinateMode", {u"G９２", u"Ｇ９２の変更無し"});
  QLabel* x1 = Label(group, u"X");
  QLabel* y1 = Label(group, u"Y");
  QLabel* x2 = Label(group, u"X");
  QLabel* y2 = Label(group, u"Y");
  f.g92X = Edit(group, "g92X");
  f.g92Y = Edit(group, "g92Y");
  f.coordinateCode2 = Edit(group, "coordinateCode2", 50);
  f.coordinateX2 = Edit(group, "coordinateX2");
  f.coordinateY2 = Edit(group, "coordinateY2");
  grid->addWidget(modes[1], 0, 0, 1, 5);
  grid->addWidget(modes[0], 1, 0);
  grid->addWidget(x1, 1, 1);
  grid->addWidget(f.g92X, 1, 2);
  grid->addWidget(y1, 1, 3);
  grid->addWidget(f.g92Y, 1, 4);
  grid->addWidget(f.coordinateCode2, 2, 0);
  grid->addWidget(x2, 2, 1);
  grid->addWidget(f.coordinateX2, 2, 2);
  grid->addWidget(y2, 2, 3);
  grid->addWidget(f.coordinateY2, 2, 4);
  Register(f, MainControl::CoordinateGroup, {modes[0], modes[1]});
  Register(f, MainControl::CoordinateFields,
           {x1, y1, x2, y2, f.g92X, f.g92Y, f.coordinateCode2, f.coordinateX2, f.coordinateY2});
  return group;
}

QWidget* G93Group(QWidget* parent, MainForm& f) {
  f.g93Group = Group(parent, u"G93変換", "g93Group");
  QGridLayout* grid = Grid(f.g93Group);
  const auto modes =
      Radios(f.g93Group, f.g93Mode, "g93Mode", {u"座標変換する", u"削除する", u"G93→"});
  f.g93Code = Edit(f.g93Group, "g93Code", 60);
  grid->addWidget(modes[0], 0, 0);
  grid->addWidget(modes[1], 0, 1, 1, 2);
  grid->addWidget(modes[2], 1, 0);
  grid->addWidget(f.g93Code, 1, 1);
  grid->addWidget(Label(f.g93Group, u"に変更"), 1, 2);
  Register(f, MainControl::G93Group, {f.g93Group});
  Register(f, MainControl::G93Code, {f.g93Code});
  return f.g93Group;
}

QWidget* AddDeleteGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"付加、削除", "addDeleteGroup");
  QGridLayout* grid = Grid(group);
  f.keepHeadComment = Check(group, u"先頭部 コメントを残す", "keepHeadComment");
  f.deleteAfterM30 = Check(group, u"M30,M02 以下削除", "deleteAfterM30");
  f.addMotionCodes = Check(group, u"G01,G02,G03 を付加", "addMotionCodes");
  grid->addWidget(f.keepHeadComment, 0, 0);
  grid->addWidget(f.deleteAfterM30, 1, 0);
  grid->addWidget(f.addMotionCodes, 2, 0);
  Register(f, MainControl::AddDeleteGroup, {f.keepHeadComment, f.deleteAfterM30, f.addMotionCodes});
  return group;
}

QWidget* DecimalRow(QWidget* parent, MainForm& f) {
  auto* row = new QWidget(parent);
  QGridLayout* grid = Grid(row);
  QLabel* label = Label(row, u"小数点以下桁数");
  f.decimalPlaces = new QComboBox(row);
  f.decimalPlaces->setObjectName(QStringLiteral("decimalPlaces"));
  f.decimalPlaces->addItems({QStringLiteral("1/10"), QStringLiteral("1/100"),
                             QStringLiteral("1/1000"), QStringLiteral("1/10000")});
  f.skipSameCondition = Check(row, u"同一加工条件の場合出力しない", "skipSameCondition");
  grid->addWidget(label, 0, 0);
  grid->addWidget(f.decimalPlaces, 0, 1);
  grid->addWidget(f.skipSameCondition, 1, 0, 1, 2);
  Register(f, MainControl::DecimalPlaces, {label, f.decimalPlaces});
  Register(f, MainControl::SameCondition, {f.skipSameCondition});
  return row;
}

QWidget* MacroGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"マクロ分解時", "macroGroup");
  QGridLayout* grid = Grid(group);
  QLabel* label = Label(group, u"イグザクトストップ");
  const auto stops = Radios(group, f.macroMode, "macroMode", {u"Ｇ０９", u"Ｇ００", u"無"});
  const auto sides =
      Radios(group, f.cutterSide, "cutterSide", {u"左回り（Ｇ４１）", u"右回り（Ｇ４２）"});
  grid->addWidget(label, 0, 0, 1, 3);
  for (int i = 0; i < 3; ++i) grid->addWidget(stops[static_cast<size_t>(i)], 1, i);
  grid->addWidget(sides[0], 2, 0, 1, 2);
  grid->addWidget(sides[1], 2, 2, 1, 2);
  Register(f, MainControl::MacroGroup, {label, stops[0], stops[1], stops[2], sides[0], sides[1]});
  return group;
}

QWidget* SubprogramGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"UV → M98変換", "subprogramGroup");
  QGridLayout* grid = Grid(group);
  QLabel* call = Label(group, u"サブプロ呼出");
  QLabel* callCode = Label(group, u"呼出");
  QLabel* callWord = Label(group, u"ワード");
  QLabel* sub = Label(group, u"サブプロ");
  QLabel* subWord = Label(group, u"ワード");
  QLabel* subEnd = Label(group, u"終了");
  f.subprogramCallCode = Edit(group, "subprogramCallCode", 60);
  f.subprogramNumberWord = Edit(group, "subprogramNumberWord", 60);
  f.subprogramAddress = Edit(group, "subprogramAddress", 60);
  f.subprogramEndCode = Edit(group, "subprogramEndCode", 60);
  grid->addWidget(call, 0, 0);
  grid->addWidget(callCode, 0, 1);
  grid->addWidget(f.subprogramCallCode, 0, 2);
  grid->addWidget(callWord, 0, 3);
  grid->addWidget(f.subprogramNumberWord, 0, 4);
  grid->addWidget(sub, 1, 0);
  grid->addWidget(subWord, 1, 1);
  grid->addWidget(f.subprogramAddress, 1, 2);
  grid->addWidget(subEnd, 1, 3);
  grid->addWidget(f.subprogramEndCode, 1, 4);
  grid->addWidget(Label(group, u"サブプロ"), 2, 0);
  f.breakUp = Check(group, u"ばらし", "breakUp");
  grid->addWidget(f.breakUp, 2, 1, 1, 2);
  Register(f, MainControl::SubprogramWords,
           {call, callCode, callWord, sub, subWord, subEnd, f.subprogramCallCode,
            f.subprogramNumberWord, f.subprogramAddress, f.subprogramEndCode});
  return group;
}

}  // namespace

QWidget* BuildLeftColumn(QWidget* parent, MainForm& form) {
  form.controls.assign(kMainControlCount, {});
  auto* column = new QWidget(parent);
  column->setObjectName(QStringLiteral("leftColumn"));
  // Two stacks side by side, so that the column fits a 768-pixel screen.
  auto* grid = new QGridLayout(column);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(4);
  auto* first = new QVBoxLayout;
  auto* second = new QVBoxLayout;
  for (QWidget* group :
       {FileGroup(column, form), PostGroup(column, form), ConditionGroup(column, form),
        ProgramGroup(column, form), CoordinateGroup(column, form)}) {
    first->addWidget(group);
  }
  for (QWidget* group :
       {G93Group(column, form), AddDeleteGroup(column, form), DecimalRow(column, form),
        MacroGroup(column, form), SubprogramGroup(column, form)}) {
    second->addWidget(group);
  }
  first->addStretch();
  second->addStretch();
  grid->addLayout(first, 0, 0);
  grid->addLayout(second, 0, 1);
  return column;
}

QWidget* BuildTypeGroup(QWidget* parent, MainForm& f) {
  QGroupBox* group = Group(parent, u"変換タイプ選択", "typeGroup");
  QGridLayout* grid = Grid(group);
  const auto types =
      Radios(group, f.conversionType, "conversionType", {u"機種変換", u"文字列のみ変換"});
  f.stringTable = Button(group, u"変換表", "stringTableButton");
  f.parameters = Button(group, u"パラメータ", "parametersButton");
  f.close = Button(group, u"終了", "closeButton");
  grid->addWidget(types[0], 0, 0);
  grid->addWidget(types[1], 0, 1);
  grid->addWidget(f.stringTable, 0, 2);
  grid->addWidget(f.parameters, 0, 3);
  grid->addWidget(f.close, 0, 4);
  Register(f, MainControl::StringTable, {f.stringTable});
  return group;
}

}  // namespace qv
