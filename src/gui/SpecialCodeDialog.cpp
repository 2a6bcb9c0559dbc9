#include "gui/SpecialCodeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {
namespace {

constexpr int32_t kRowsPerColumn = 20;
constexpr int32_t kColumns = kSpecialCodePageSize / kRowsPerColumn;

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

SpecialCodeDialog::SpecialCodeDialog(const SystemFiles& files, UserInteraction& interaction,
                                     std::u16string postName, QWidget* parent)
    : QDialog(parent), logic_(*this, files, interaction, std::move(postName)) {
  setObjectName(QStringLiteral("specialCodeEditor"));
  setWindowTitle(QString::fromUtf16(kNcPostDlg2Title.data(), kNcPostDlg2Title.size()));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PairColumns());
  layout->addLayout(Buttons());
  logic_.Open();
}

// Three columns of 20 numbered rows (1-20, 21-40, 41-60), filled column by column so that
// the tab order runs down each column.
QWidget* SpecialCodeDialog::PairColumns() {
  auto* area = new QWidget(this);
  auto* columns = new QHBoxLayout(area);
  columns->setContentsMargins(0, 0, 0, 0);
  for (int32_t column = 0; column < kColumns; ++column) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int32_t line = 0; line < kRowsPerColumn; ++line) {
      const int32_t row = column * kRowsPerColumn + line;
      auto* number = new QLabel(QString::number(row + 1), area);
      number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->addWidget(number, line, 0);
      for (const PairColumn side : {PairColumn::From, PairColumn::To}) {
        auto* edit = new QLineEdit(area);
        const bool from = side == PairColumn::From;
        edit->setObjectName(QStringLiteral("%1%2").arg(from ? "from" : "to").arg(row + 1));
        edit->setMinimumWidth(96);
        fields_[from ? 0 : 1][static_cast<size_t>(row)] = edit;
        if (!from) grid->addWidget(new QLabel(QStringLiteral(u"→"), area), line, 2);
        grid->addWidget(edit, line, from ? 1 : 3);
      }
    }
    columns->addLayout(grid);
  }
  return area;
}

QLayout* SpecialCodeDialog::Buttons() {
  QPushButton* previous = Button(QStringLiteral(u"←"), "previousButton", this);
  QPushButton* next = Button(QStringLiteral(u"→"), "nextButton", this);
  QPushButton* ok = Button(QStringLiteral("OK"), "okButton", this);
  ok->setDefault(true);
  QPushButton* cancel = Button(QStringLiteral(u"ｷｬﾝｾﾙ"), "cancelButton", this);
  page_ = new QLabel(this);
  page_->setObjectName(QStringLiteral("pageNumber"));
  pageCount_ = new QLabel(this);
  pageCount_->setObjectName(QStringLiteral("pageCount"));
  connect(previous, &QPushButton::clicked, this, [this] { logic_.OnPrevious(); });
  connect(next, &QPushButton::clicked, this, [this] { logic_.OnNext(); });
  connect(ok, &QPushButton::clicked, this, [this] { logic_.OnOk(); });
  connect(cancel, &QPushButton::clicked, this, [this] { logic_.OnCancel(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(previous);
  buttons->addWidget(page_);
  buttons->addWidget(new QLabel(QStringLiteral("/"), this));
  buttons->addWidget(pageCount_);
  buttons->addWidget(next);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

QLineEdit* SpecialCodeDialog::Field(PairColumn column, int32_t row) const {
  return fields_[column == PairColumn::From ? 0 : 1][static_cast<size_t>(row)];
}

std::u16string SpecialCodeDialog::Text(PairColumn column, int32_t row) const {
  return Field(column, row)->text().toStdU16String();
}

void SpecialCodeDialog::SetText(PairColumn column, int32_t row, std::u16string_view text) {
  Field(column, row)->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void SpecialCodeDialog::ShowPage(int32_t current, int32_t count) {
  page_->setNum(current);
  pageCount_->setNum(count);
}

void SpecialCodeDialog::Close(bool accepted) { done(accepted ? Accepted : Rejected); }

void SpecialCodeDialog::reject() { logic_.OnCancel(); }

}  // namespace qv
