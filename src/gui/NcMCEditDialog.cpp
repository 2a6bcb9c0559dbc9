#include "gui/NcMCEditDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/DialogParts.h"

namespace qv {
namespace {

const std::array<QString, 4> kCodeLabels = {QStringLiteral(u"Ｌ"), QStringLiteral(u"Ｍ"),
                                            QStringLiteral(u"Ｈ"), QStringLiteral(u"Ｕ")};

QString Indexed(const QString& prefix, size_t index) {
  return prefix + QString::number(static_cast<int>(index));
}

template <size_t N>
void ShowAll(const std::array<QLineEdit*, N>& edits, const std::array<std::u16string, N>& texts) {
  for (size_t i = 0; i < N; ++i) edits[i]->setText(Qs(texts[i]));
}

template <size_t N>
void TakeAll(const std::array<QLineEdit*, N>& edits, std::array<std::u16string, N>& texts) {
  for (size_t i = 0; i < N; ++i) texts[i] = Us(edits[i]->text());
}

QRadioButton* Radio(QWidget* parent, QButtonGroup* group, const QString& text, const QString& name,
                    int id) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

NcMCEditDialog::NcMCEditDialog(PostStore& store, const SystemFiles& files,
                               UserInteraction& interaction, QWidget* parent)
    : QDialog(parent), logic_(store, files, interaction, *this) {
  setObjectName(QStringLiteral("mcEditDialog"));
  setWindowTitle(Qs(kMcEditTitle));
  auto* left = new QVBoxLayout;
  left->addWidget(SelectionGroup());
  left->addWidget(VariablesGroup());
  left->addWidget(ModalGroup());
  left->addWidget(PunchGroup());
  left->addWidget(MarkingGroup());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(CutGroup());
  right->addWidget(ChuteGroup());
  right->addStretch();
  right->addLayout(OkCancelRow(this, QStringLiteral(u"ｷｬﾝｾﾙ")));
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left);
  columns->addLayout(right);
  connect(chute_, &QButtonGroup::idClicked, this, [this](int id) { logic_.SelectWorkChute(id); });
  logic_.Open();
}

QGroupBox* NcMCEditDialog::SelectionGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"編集する材質と板厚"), this);
  auto* grid = new QGridLayout(group);
  material_ = NamedEdit(group, QStringLiteral("material"), false);
  thickness_ = NamedEdit(group, QStringLiteral("thickness"), false);
  material_->setReadOnly(true);
  thickness_->setReadOnly(true);
  grid->addWidget(new QLabel(QStringLiteral(u"材質"), group), 0, 0);
  grid->addWidget(material_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral(u"板厚"), group), 1, 0);
  grid->addWidget(thickness_, 1, 1);
  return group;
}

QGroupBox* NcMCEditDialog::VariablesGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"プログラム変数"), this);
  auto* grid = new QGridLayout(group);
  const std::array<QString, 4> labels = {QStringLiteral(u"［Ａ］"), QStringLiteral(u"［Ｂ］"),
                                         QStringLiteral(u"［Ｃ］"), QStringLiteral(u"［Ｄ］")};
  for (size_t i = 0; i < variables_.size(); ++i) {
    variables_[i] = NamedEdit(group, Indexed(QStringLiteral("variable"), i), true);
    grid->addWidget(new QLabel(labels[i], group), static_cast<int>(i), 0);
    grid->addWidget(variables_[i], static_cast<int>(i), 1);
  }
  grid->addWidget(
      new QLabel(QStringLiteral(u"※ 特殊変換コードⅡを使用する場合、[D]は空白。"), group), 4, 0, 1,
      2);
  return group;
}

QGroupBox* NcMCEditDialog::ModalGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"変換条件の設定"), this);
  auto* layout = new QVBoxLayout(group);
  modal_ = new QCheckBox(QStringLiteral(u"元データの加工条件がモーダル"), group);
  modal_->setObjectName(QStringLiteral("conditionIsModal"));
  layout->addWidget(modal_);
  return group;
}

QGroupBox* NcMCEditDialog::PunchGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"ポンチ条件"), this);
  auto* grid = new QGridLayout(group);
  punch_[0] = NamedEdit(group, QStringLiteral("punch0"), true);
  punch_[1] = NamedEdit(group, QStringLiteral("punch1"), true);
  grid->addWidget(new QLabel(QStringLiteral(u"元条件"), group), 0, 0);
  grid->addWidget(punch_[0], 0, 1);
  grid->addWidget(new QLabel(QStringLiteral(u"変換条件"), group), 1, 0);
  grid->addWidget(punch_[1], 1, 1);
  return group;
}

QGroupBox* NcMCEditDialog::MarkingGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"ケガキ条件"), this);
  auto* grid = new QGridLayout(group);
  // Shown as source 1, source 2, converted; stored as source 1, converted, source 2.
  marking_[0] = NamedEdit(group, QStringLiteral("marking0"), true);
  marking_[2] = NamedEdit(group, QStringLiteral("marking2"), true);
  marking_[1] = NamedEdit(group, QStringLiteral("marking1"), true);
  grid->addWidget(new QLabel(QStringLiteral(u"元条件"), group), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("1"), group), 0, 1);
  grid->addWidget(marking_[0], 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("2"), group), 1, 1);
  grid->addWidget(marking_[2], 1, 2);
  grid->addWidget(new QLabel(QStringLiteral(u"変換条件"), group), 2, 0, 1, 2);
  grid->addWidget(marking_[1], 2, 2);
  return group;
}

void NcMCEditDialog::AddLadder(QGridLayout* grid, const QString& codePrefix,
                               std::array<QLineEdit*, 4>& codes,
                               const std::vector<Thresholds>& columns) {
  QWidget* owner = grid->parentWidget();
  for (size_t c = 0; c < columns.size(); ++c) {
    grid->addWidget(new QLabel(columns[c].caption, owner), 1, 2 + static_cast<int>(c),
                    Qt::AlignCenter);
  }
  // Created row by row, so that the tab order runs down the ladder as it is drawn.
  for (size_t i = 0; i < codes.size(); ++i) {
    const int row = 2 + 2 * static_cast<int>(i);
    codes[i] = NamedEdit(owner, Indexed(codePrefix, i), true);
    grid->addWidget(new QLabel(kCodeLabels[i], owner), row, 0);
    grid->addWidget(codes[i], row, 1);
    if (i == codes.size() - 1) break;
    for (size_t c = 0; c < columns.size(); ++c) {
      QLineEdit* limit = NamedEdit(owner, Indexed(columns[c].prefix, i), true);
      limit->setAlignment(Qt::AlignRight);
      (*columns[c].limits)[i] = limit;
      grid->addWidget(limit, row + 1, 2 + static_cast<int>(c));
    }
  }
}

QGroupBox* NcMCEditDialog::CutGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"切断条件"), this);
  auto* layout = new QVBoxLayout(group);
  auto* source = new QHBoxLayout;
  cutSource_ = NamedEdit(group, QStringLiteral("cutSource"), true);
  source->addWidget(new QLabel(QStringLiteral(u"元条件"), group));
  source->addWidget(cutSource_);
  layout->addLayout(source);
  basis_ = new QButtonGroup(group);

  auto* shape = new QWidget(group);
  auto* shapeGrid = new QGridLayout(shape);
  shapeGrid->setContentsMargins(0, 0, 0, 0);
  shapeGrid->addWidget(
      Radio(shape, basis_, QStringLiteral(u"自動加工条件　形状"), QStringLiteral("basisShape"), 0),
      0, 0, 1, 3);
  AddLadder(shapeGrid, QStringLiteral("shapeCode"), shapeCodes_,
            {{QStringLiteral(u"長辺"), QStringLiteral("longSide"), &longSide_}});
  layout->addWidget(shape);

  auto* element = new QWidget(group);
  auto* elementGrid = new QGridLayout(element);
  elementGrid->setContentsMargins(0, 0, 0, 0);
  elementGrid->addWidget(Radio(element, basis_, QStringLiteral(u"自動加工条件　要素"),
                               QStringLiteral("basisElement"), 1),
                         0, 0, 1, 4);
  AddLadder(elementGrid, QStringLiteral("elementCode"), elementCodes_,
            {{QStringLiteral(u"直線(長さ)"), QStringLiteral("lineLength"), &lineLength_},
             {QStringLiteral(u"円弧(Ｒ)"), QStringLiteral("arcRadius"), &arcRadius_}});
  layout->addWidget(element);
  return group;
}

QGroupBox* NcMCEditDialog::ChuteGroup() {
  auto* group = new QGroupBox(QStringLiteral(u"ワークシュータ [W]"), this);
  auto* grid = new QGridLayout(group);
  chute_ = new QButtonGroup(group);
  grid->addWidget(Radio(group, chute_, QStringLiteral(u"無"), QStringLiteral("chuteNone"), 0), 0,
                  0);
  grid->addWidget(Radio(group, chute_, QStringLiteral(u"有"), QStringLiteral("chutePresent"), 1), 0,
                  1);
  chuteCode_ = NamedEdit(group, QStringLiteral("chuteCode"), true);
  chuteMinLength_ = NamedEdit(group, QStringLiteral("chuteMinLength"), true);
  chuteMinLength_->setAlignment(Qt::AlignRight);
  grid->addWidget(new QLabel(QStringLiteral(u"コード"), group), 1, 0);
  grid->addWidget(chuteCode_, 1, 1);
  grid->addWidget(chuteMinLength_, 2, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral(u"mm以下は出力無"), group), 2, 2);
  return group;
}

void NcMCEditDialog::ShowFields(const McEditFields& fields) {
  const MachiningCondition& c = fields.condition;
  material_->setText(Qs(fields.material));
  thickness_->setText(Qs(fields.thickness));
  ShowAll(variables_, c.programVariables);
  modal_->setChecked(c.conditionIsModal != 0);
  ShowAll(punch_, c.punch);
  ShowAll(marking_, c.marking);
  cutSource_->setText(Qs(c.cutSourceCondition));
  basis_->button(c.autoConditionBasis == 1 ? 1 : 0)->setChecked(true);
  ShowAll(longSide_, c.longSideLimits);
  ShowAll(shapeCodes_, c.shapeCodes);
  ShowAll(lineLength_, c.lineLengthLimits);
  ShowAll(arcRadius_, c.arcRadiusLimits);
  ShowAll(elementCodes_, c.elementCodes);
  chute_->button(c.workChute == 1 ? 1 : 0)->setChecked(true);
  chuteCode_->setText(Qs(c.workChuteCode));
  chuteMinLength_->setText(Qs(c.workChuteMinLength));
}

std::optional<MachiningCondition> NcMCEditDialog::Fields() const {
  MachiningCondition c;
  TakeAll(variables_, c.programVariables);
  c.conditionIsModal = modal_->isChecked() ? 1 : 0;
  TakeAll(punch_, c.punch);
  TakeAll(marking_, c.marking);
  c.cutSourceCondition = Us(cutSource_->text());
  c.autoConditionBasis = basis_->checkedId() == 1 ? 1 : 0;
  TakeAll(longSide_, c.longSideLimits);
  TakeAll(shapeCodes_, c.shapeCodes);
  TakeAll(lineLength_, c.lineLengthLimits);
  TakeAll(arcRadius_, c.arcRadiusLimits);
  TakeAll(elementCodes_, c.elementCodes);
  c.workChuteCode = Us(chuteCode_->text());
  c.workChuteMinLength = Us(chuteMinLength_->text());
  return c;
}

void NcMCEditDialog::SetWorkChuteEditable(bool editable) {
  chuteCode_->setReadOnly(!editable);
  chuteMinLength_->setReadOnly(!editable);
}

void NcMCEditDialog::accept() {
  if (logic_.Ok()) QDialog::accept();
}

void NcMCEditDialog::reject() {
  logic_.Cancel();
  QDialog::reject();
}

}  // namespace qv
