#include "gui/UnconvertibleDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "gui/DialogParts.h"

namespace qv {

UnconvertibleDialog::UnconvertibleDialog(int32_t count, const std::vector<std::u16string>& entries,
                                         bool automatic, QuorvalenDlg1::ResultWriter writeResult,
                                         QWidget* parent)
    : QDialog(parent),
      logic_(*this, count, entries, automatic, std::move(writeResult)),
      list_(new QListWidget(this)),
      figuresCaption_(new QLabel(Qs(kNoMoveFiguresCaption), this)),
      figures_(new QListWidget(this)) {
  setObjectName(QStringLiteral("unconvertibleDialog"));
  setWindowTitle(Qs(kUnconvertibleTitle));
  list_->setObjectName(QStringLiteral("unconvertibleList"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 2);
  figures_->setObjectName(QStringLiteral("noMoveFigureList"));
  layout->addWidget(figuresCaption_);
  layout->addWidget(figures_, 1);
  figuresCaption_->hide();
  figures_->hide();
  layout->addWidget(OkButton(this), 0, Qt::AlignHCenter);
  resize(560, 360);
  closedAtOnce_ = logic_.Open();
}

int UnconvertibleDialog::exec() {
  if (closedAtOnce_) return QDialog::Accepted;
  return QDialog::exec();
}

void UnconvertibleDialog::ShowNoMoveFigures(bool withUnconvertible,
                                            const std::vector<std::u16string>& figures) {
  list_->setVisible(withUnconvertible);
  figuresCaption_->setVisible(!figures.empty());
  figures_->setVisible(!figures.empty());
  figures_->clear();
  for (const std::u16string& figure : figures) figures_->addItem(Qs(figure));
}

void UnconvertibleDialog::ShowLines(const std::vector<std::u16string>& lines) {
  list_->clear();
  for (const std::u16string& line : lines) list_->addItem(Qs(line));
}

}  // namespace qv
