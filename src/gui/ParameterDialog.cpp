#include "gui/ParameterDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/DialogParts.h"

namespace qv {

ParameterDialog::ParameterDialog(Settings& settings, std::u16string_view version, QWidget* parent)
    : QDialog(parent), logic_(settings, *this, version), resolution_(new QComboBox(this)) {
  setObjectName(QStringLiteral("parameterDialog"));
  setWindowTitle(Qs(kParameterTitle));
  setMinimumWidth(320);  // room for the title in the frame
  resolution_->setObjectName(QStringLiteral("resolution"));
  auto* layout = new QVBoxLayout(this);
  auto* choice = new QHBoxLayout;
  choice->addWidget(new QLabel(QStringLiteral(u"解像度選択"), this));
  choice->addWidget(resolution_, 1);
  layout->addLayout(choice);
  auto* versionGroup = new QGroupBox(QStringLiteral(u"バージョン情報"), this);
  versionLine_ = VersionRow(versionGroup, new QVBoxLayout(versionGroup));
  layout->addWidget(versionGroup);
  layout->addLayout(OkCancelRow(this, QStringLiteral(u"キャンセル")));
  logic_.Open();
}

void ParameterDialog::accept() {
  if (logic_.Ok()) QDialog::accept();
}

void ParameterDialog::ShowVersionLine(const std::u16string& line) {
  versionLine_->setText(Qs(line));
}

void ParameterDialog::ShowResolutions(const std::array<std::u16string_view, 4>& items,
                                      int32_t selected) {
  resolution_->clear();
  for (std::u16string_view item : items) resolution_->addItem(Qs(item));
  resolution_->setCurrentIndex(selected >= 0 && selected < resolution_->count() ? selected : -1);
}

int32_t ParameterDialog::SelectedResolution() const { return resolution_->currentIndex(); }

}  // namespace qv
