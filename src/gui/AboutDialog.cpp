#include "gui/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogParts.h"

namespace qv {

AboutDialog::AboutDialog(std::u16string_view version, QWidget* parent)
    : QDialog(parent), logic_(*this, version) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(Qs(kAboutTitle));
  setMinimumWidth(320);  // room for the title in the frame
  auto* layout = new QVBoxLayout(this);
  versionLine_ = VersionRow(this, layout);
  layout->addWidget(OkButton(this), 0, Qt::AlignHCenter);
  logic_.Open();
}

void AboutDialog::ShowVersionLine(const std::u16string& line) { versionLine_->setText(Qs(line)); }

}  // namespace qv
