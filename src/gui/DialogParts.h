#pragma once

#include <QString>
#include <string>
#include <string_view>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qv {

// The window's text as the logic keeps it, and back.
inline QString Qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::u16string Us(const QString& text) { return text.toStdU16String(); }

// A line edit named for the tests; letters typed into it become upper case when upperCase.
QLineEdit* NamedEdit(QWidget* parent, const QString& name, bool upperCase);
// A push button named for the tests.
QPushButton* NamedButton(QWidget* parent, const QString& text, const QString& name);
// The program's icon and the version line (named "versionLine") beside it, added to layout.
QLabel* VersionRow(QWidget* owner, QBoxLayout* layout);

}  // namespace qv
