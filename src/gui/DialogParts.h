#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QBoxLayout;
class QDialog;
class QHBoxLayout;
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

// Text typed into the edit becomes rule(text) as it is typed; text the program puts in stays.
void FollowTyping(QLineEdit* edit, std::function<QString(const QString&)> rule);
// Letters typed into the edit become upper case as they are typed.
void UpperCaseTyping(QLineEdit* edit);
// A line edit named for the tests; letters typed into it become upper case when upperCase.
QLineEdit* NamedEdit(QWidget* parent, const QString& name, bool upperCase);
// The "OK" button (named "okButton"), the default one, wired to the dialog's accept().
QPushButton* OkButton(QDialog* dialog);
// A row of "OK" and the cancel button (named "cancelButton") with the given caption, at the
// right, wired to the dialog's accept() and reject().
QHBoxLayout* OkCancelRow(QDialog* dialog, const QString& cancelCaption);
// The program's icon and the version line (named "versionLine") beside it, added to layout.
QLabel* VersionRow(QWidget* owner, QBoxLayout* layout);

}  // namespace qv
