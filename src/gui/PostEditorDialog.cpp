#include "gui/PostEditorDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogParts.h"
#include "gui/SpecialCodeDialog.h"

namespace qv {
namespace {

// Object names of the fields, in PostField order.
constexpr const char* kFieldNames[] = {
    "headLine1a",     "headLine1b",     "headLine2",    "coordinateSettingLine",
    "punchPosition",  "punchCondition", "punchLine3",   "markPosition",
    "markCondition",  "markShapeLine",  "cutPosition",  "cutCondition",
    "cutShapeLine",   "endPart",        "lineCodeFrom", "lineCodeTo",
    "stringCodeFrom", "stringCodeTo"};

int Index(PostField field) { return static_cast<int>(field); }

QLabel* Semicolon(QWidget* parent) { return new QLabel(QStringLiteral(";"), parent); }

}  // namespace

PostEditorDialog::PostEditorDialog(PostStore& store, const SystemFiles& files,
                                   UserInteraction& interaction, std::u16string listedPost,
                                   QWidget* parent)
    : QDialog(parent),
      files_(files),
      interaction_(interaction),
      logic_(*this, store, files, interaction, std::move(listedPost)) {
  setObjectName(QStringLiteral("postEditor"));
  setWindowTitle(QString::fromUtf16(kPostDlgTitle.data(), kPostDlgTitle.size()));
  auto* columns = new QHBoxLayout;
  columns->addWidget(TemplateGroups(), 0, Qt::AlignTop);
  columns->addWidget(CodeGroup(QStringLiteral(u"特殊変換コード（行単位）"), PostField::LineCodeFrom,
                               PostField::LineCodeTo));
  columns->addWidget(CodeGroup(QStringLiteral(u"特殊変換コード（文字列単位）"),
                               PostField::StringCodeFrom, PostField::StringCodeTo));

  auto* specialCodes = new QPushButton(QStringLiteral(u"特殊変換コードⅡ"), this);
  specialCodes->setObjectName(QStringLiteral("specialCodesButton"));
  specialCodes->setAutoDefault(false);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral(u"ｷｬﾝｾﾙ"), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setAutoDefault(false);
  connect(specialCodes, &QPushButton::clicked, this, [this] { logic_.OnSpecialCodes(); });
  connect(ok, &QPushButton::clicked, this, [this] { logic_.OnOk(); });
  connect(cancel, &QPushButton::clicked, this, [this] { logic_.OnCancel(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(specialCodes);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  logic_.Open();
}

QLineEdit* PostEditorDialog::NewField(PostField field, int32_t row, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  QString name = QString::fromLatin1(kFieldNames[Index(field)]);
  if (!IsTemplateField(field)) name += QString::number(row + 1);
  edit->setObjectName(name);
  // Typed letters turn upper case in the templates; the loaded text keeps its own case.
  FollowTyping(edit, [field](const QString& text) { return Qs(TypedText(field, Us(text))); });
  if (IsTemplateField(field)) {
    templates_[static_cast<size_t>(Index(field))] = edit;
  } else {
    codes_[static_cast<size_t>(Index(field) - kPostTemplateFields)][static_cast<size_t>(row)] =
        edit;
  }
  return edit;
}

// The template groups top to bottom, each field created in reading order so that the tab
// order follows the groups.
QWidget* PostEditorDialog::TemplateGroups() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* head = new QGroupBox(QStringLiteral(u"プログラム先頭部"), column);
  auto* headGrid = new QGridLayout(head);
  headGrid->addWidget(NewField(PostField::HeadLine1a, 0, head), 0, 0);
  headGrid->addWidget(Semicolon(head), 0, 1);
  QLineEdit* derived = NewField(PostField::HeadLine1b, 0, head);
  derived->setReadOnly(true);
  headGrid->addWidget(derived, 0, 2);
  headGrid->addWidget(Semicolon(head), 0, 3);
  headGrid->addWidget(NewField(PostField::HeadLine2, 0, head), 1, 0, 1, 3);
  headGrid->addWidget(Semicolon(head), 1, 3);
  layout->addWidget(head);

  layout->addWidget(new QLabel(QStringLiteral(u"座標系設定部"), column));
  auto* setting = new QHBoxLayout;
  setting->addWidget(NewField(PostField::CoordinateSettingLine, 0, column));
  setting->addWidget(Semicolon(column));
  layout->addLayout(setting);

  struct Block {
    QString caption;
    PostField position, condition, third;
    QString thirdLabel;
  };
  const Block blocks[] = {
      {QStringLiteral(u"ポンチ"), PostField::PunchPositionSuffix, PostField::PunchCondition,
       PostField::PunchLine3, QString()},
      {QStringLiteral(u"ケガキ"), PostField::MarkPositionSuffix, PostField::MarkCondition,
       PostField::MarkShapeLine, QStringLiteral(u"形状データ")},
      {QStringLiteral(u"切断"), PostField::CutPositionSuffix, PostField::CutCondition,
       PostField::CutShapeLine, QStringLiteral(u"形状データ")},
  };
  for (const Block& block : blocks) {
    auto* box = new QGroupBox(block.caption, column);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral(u"Ｇ００Ｘ＿Ｙ＿"), box), 0, 0);
    grid->addWidget(NewField(block.position, 0, box), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral(u"加工条件"), box), 1, 0);
    grid->addWidget(NewField(block.condition, 0, box), 1, 1);
    if (!block.thirdLabel.isEmpty()) grid->addWidget(new QLabel(block.thirdLabel, box), 2, 0);
    grid->addWidget(NewField(block.third, 0, box), 2, 1);
    layout->addWidget(box);
  }

  auto* end = new QGroupBox(QStringLiteral(u"加工終了部"), column);
  auto* endLayout = new QVBoxLayout(end);
  endLayout->addWidget(NewField(PostField::EndPart, 0, end));
  layout->addWidget(end);
  column->setMinimumWidth(340);
  return column;
}

QWidget* PostEditorDialog::CodeGroup(const QString& caption, PostField from, PostField to) {
  auto* box = new QGroupBox(caption, this);
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(2);
  for (int32_t row = 0; row < kSpecialCodeRows; ++row) {
    QLineEdit* fromField = NewField(from, row, box);
    QLineEdit* toField = NewField(to, row, box);
    fromField->setMinimumWidth(96);
    toField->setMinimumWidth(96);
    grid->addWidget(fromField, row, 0);
    grid->addWidget(new QLabel(QStringLiteral(u"→"), box), row, 1);
    grid->addWidget(toField, row, 2);
  }
  return box;
}

QLineEdit* PostEditorDialog::Field(PostFieldId id) const {
  if (IsTemplateField(id.field)) return templates_[static_cast<size_t>(Index(id.field))];
  return codes_[static_cast<size_t>(Index(id.field) - kPostTemplateFields)]
               [static_cast<size_t>(id.row)];
}

std::u16string PostEditorDialog::Text(PostFieldId id) const {
  return Field(id)->text().toStdU16String();
}

void PostEditorDialog::SetText(PostFieldId id, std::u16string_view text) {
  Field(id)->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void PostEditorDialog::RunSpecialCodes(std::u16string_view postName) {
  SpecialCodeDialog dialog(files_, interaction_, std::u16string(postName), this);
  dialog.exec();
}

void PostEditorDialog::Close(bool accepted) { done(accepted ? Accepted : Rejected); }

void PostEditorDialog::reject() { logic_.OnCancel(); }

}  // namespace qv
