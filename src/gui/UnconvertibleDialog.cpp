#include "gui/UnconvertibleDialog.h"

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
      list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("unconvertibleDialog"));
  setWindowTitle(Qs(kUnconvertibleTitle));
  list_->setObjectName(QStringLiteral("unconvertibleList"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(OkButton(this), 0, Qt::AlignHCenter);
  resize(560, 360);
  closedAtOnce_ = logic_.Open();
}

int UnconvertibleDialog::exec() {
  if (closedAtOnce_) return QDialog::Accepted;
  return QDialog::exec();
}

void UnconvertibleDialog::ShowLines(const std::vector<std::u16string>& lines) {
  list_->clear();
  for (const std::u16string& line : lines) list_->addItem(Qs(line));
}

}  // namespace qv
