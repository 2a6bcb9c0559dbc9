#include "gui/TableEditorDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/DialogParts.h"

namespace qv {

TableEditorDialog::TableEditorDialog(Settings& settings, int set, WorkingInputTable& working,
                                     UserInteraction& interaction, QWidget* parent)
    : TableEditorDialog(parent) {
  TableEditorView& view = *this;
  Start(std::make_unique<CMaeHenkan>(settings, set, working, interaction, view));
}

TableEditorDialog::TableEditorDialog(Settings& settings, UserInteraction& interaction,
                                     QWidget* parent)
    : TableEditorDialog(parent) {
  TableEditorView& view = *this;
  Start(std::make_unique<CMojiretuHenkan>(settings, interaction, view));
}

TableEditorDialog::TableEditorDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("tableEditorDialog"));
  auto* group = new QGroupBox(QStringLiteral(u"変換コード"), this);
  auto* rows = new QWidget;
  auto* grid = new QGridLayout(rows);
  for (int row = 0; row < kConversionRows; ++row) {
    const auto i = static_cast<size_t>(row);
    from_[i] = NamedEdit(rows, QStringLiteral("from%1").arg(row), false);
    to_[i] = NamedEdit(rows, QStringLiteral("to%1").arg(row), false);
    grid->addWidget(new QLabel(QString::number(row + 1), rows), row, 0, Qt::AlignRight);
    grid->addWidget(from_[i], row, 1);
    grid->addWidget(new QLabel(QStringLiteral(u"→"), rows), row, 2);
    grid->addWidget(to_[i], row, 3);
  }
  auto* scroll = new QScrollArea(group);
  scroll->setWidget(rows);
  scroll->setWidgetResizable(true);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(scroll);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(OkCancelRow(this, QStringLiteral(u"ｷｬﾝｾﾙ")));
  resize(620, 560);
}

void TableEditorDialog::Start(std::unique_ptr<TableEditorDlg> logic) {
  logic_ = std::move(logic);
  setWindowTitle(Qs(logic_->Title()));
  logic_->Open();
}

void TableEditorDialog::accept() {
  if (logic_->Ok()) QDialog::accept();
}

void TableEditorDialog::ShowRows(const ConversionTable& table, size_t fieldLimit) {
  kind_ = table.kind;
  const int limit = static_cast<int>(fieldLimit);
  for (size_t i = 0; i < from_.size(); ++i) {
    const TableEntry& entry = table.entries.at(i);
    from_[i]->setMaxLength(limit);
    to_[i]->setMaxLength(limit);
    from_[i]->setText(Qs(entry.from));
    to_[i]->setText(Qs(entry.to));
  }
}

ConversionTable TableEditorDialog::Rows() const {
  ConversionTable table;
  table.kind = kind_;
  for (size_t i = 0; i < from_.size(); ++i) {
    table.entries[i] = {Us(from_[i]->text()), Us(to_[i]->text())};
  }
  return table;
}

}  // namespace qv
