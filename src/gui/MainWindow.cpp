#include "gui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/Cncdrawbutton.h"
#include "gui/DialogParts.h"
#include "gui/ListingPane.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

constexpr int kMargin = 7;

ScreenRect RectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

QString MainWindowTitle() { return QStringLiteral(u"ＮＣデータ変換"); }

MainWindow::MainWindow(QWidget* parent)
    : QDialog(parent),
      listings_(new ListingPane(this)),
      version_(new QAction(QStringLiteral(u"ﾊﾞｰｼﾞｮﾝ情報(Drevmark) (&A)..."), this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(MainWindowTitle());
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  listings_->setObjectName(QStringLiteral("listings"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->setSpacing(kMargin);
  layout->addWidget(BuildLeftColumn(this, form_), 0, Qt::AlignTop);
  auto* right = new QVBoxLayout;
  right->setSpacing(kMargin);
  right->addWidget(BuildTypeGroup(this, form_), 0, Qt::AlignRight);
  right->addWidget(listings_, 1);
  layout->addLayout(right, 1);
  // The name lists take typed letters as upper case, as they are entered. A double quote or a
  // line break cannot be part of a name: the post file quotes names, one list to a line.
  for (QComboBox* list : {form_.posts, form_.materials, form_.thicknesses}) {
    FollowTyping(list->lineEdit(), [](const QString& typed) {
      QString name = typed.toUpper();
      name.remove(QLatin1Char('"')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
      return name;
    });
  }
  // Without a system menu the version entry lives in the window's context menu, and on F1.
  version_->setObjectName(QStringLiteral("versionAction"));
  version_->setShortcut(QKeySequence(Qt::Key_F1));
  addAction(version_);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  ShowTransfer(false);
  resize(1024, 768);
}

void MainWindow::Attach(CQuorvalenDlg& dialog) {
  dialog_ = &dialog;
  Cncdrawbutton* preview = listings_->Preview();
  preview->SetDisplayState(&display_);
  preview->Drawing().SetLineSource(EngineLineSource(dialog.Engine()));
  ConnectButtons(dialog);
  ConnectOptions(dialog);
}

void MainWindow::ConnectButtons(CQuorvalenDlg& dialog) {
  const auto on = [this](QAbstractButton* button, auto action) {
    connect(button, &QAbstractButton::clicked, this, action);
  };
  on(form_.input, [&dialog] { dialog.Input(); });
  on(form_.convert, [&dialog] { dialog.RunConversion(); });
  on(form_.output, [&dialog] { dialog.Output(); });
  on(form_.transfer, [&dialog] { dialog.ConvertAndTransfer(); });
  on(form_.postButtons[0], [&dialog] { dialog.AddPost(); });
  on(form_.postButtons[1], [&dialog] { dialog.ChangePost(); });
  on(form_.postButtons[2], [&dialog] { dialog.DeletePost(); });
  on(form_.conditionButtons[0], [&dialog] { dialog.AddCondition(); });
  on(form_.conditionButtons[1], [&dialog] { dialog.ChangeCondition(); });
  on(form_.conditionButtons[2], [&dialog] { dialog.DeleteCondition(); });
  on(form_.inputTable, [&dialog] { dialog.EditInputTable(); });
  on(form_.postEditor, [&dialog] { dialog.EditPost(); });
  on(form_.conditionEditor, [&dialog] { dialog.EditConditions(); });
  on(form_.stringTable, [&dialog] { dialog.EditStringTable(); });
  on(form_.parameters, [&dialog] { dialog.EditParameters(); });
  on(form_.close, [this, &dialog] {
    if (dialog.Close(CloseBy::Button) == 0) accept();
  });
  connect(version_, &QAction::triggered, this, [&dialog] { dialog.ShowVersion(); });
}

void MainWindow::ConnectOptions(CQuorvalenDlg& dialog) {
  connect(form_.posts, &QComboBox::activated, this, [&dialog](int i) { dialog.SelectPost(i); });
  connect(form_.materials, &QComboBox::activated, this,
          [&dialog](int i) { dialog.SelectMaterial(i); });
  connect(form_.thicknesses, &QComboBox::activated, this,
          [&dialog](int i) { dialog.SelectThickness(i); });
  connect(form_.coordinateMode, &QButtonGroup::idClicked, this,
          [&dialog](int id) { dialog.SetCoordinateMode(id); });
  connect(form_.g93Mode, &QButtonGroup::idClicked, this,
          [&dialog](int id) { dialog.SetG93Mode(id); });
  connect(form_.conversionType, &QButtonGroup::idClicked, this,
          [&dialog](int id) { dialog.SetConversionType(id); });
  connect(form_.g93Code, &QLineEdit::editingFinished, this, [&dialog] { dialog.TakeG93Code(); });
}

void MainWindow::reject() {
  if (dialog_ != nullptr && dialog_->Close(CloseBy::Window) != 0) return;
  QDialog::reject();
}

void MainWindow::ShowListing(const Listing& listing) {
  if (dialog_ != nullptr) {
    listings_->Preview()->Drawing().SetDecimalIndex(dialog_->App().Posts().record.decimalIndex);
  }
  listings_->Show(listing);
}

void MainWindow::EnableConvert(bool enabled) { form_.convert->setEnabled(enabled); }

void MainWindow::SetTitle(const std::u16string& title) {
  setWindowTitle(QString::fromStdU16String(title));
}

void MainWindow::EnableControl(MainControl control, bool enabled) {
  for (QWidget* widget : form_.controls[static_cast<size_t>(control)]) widget->setEnabled(enabled);
}

void MainWindow::ShowTransfer(bool shown) {
  form_.transfer->setVisible(shown);
  form_.transferIcon->setVisible(shown);
}

ScreenAreas MainWindow::Screen() const {
  const QScreen* shown = screen();
  return {RectOf(shown->geometry()), RectOf(shown->availableGeometry())};
}

WindowFrame MainWindow::Frame() const {
  return {{pos().x(), pos().y()}, RectOf(geometry()), isMaximized(), listings_->Splitter()};
}

void MainWindow::MoveTo(ScreenPoint position) { move(position.x, position.y); }

void MainWindow::PlaceWindow(const WindowFrame& frame) {
  setGeometry(frame.rect.left, frame.rect.top, frame.rect.right - frame.rect.left,
              frame.rect.bottom - frame.rect.top);
  maximizeOnShow_ = frame.maximized;
  listings_->SetSplitter(frame.splitter);
}

void MainWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (maximizeOnShow_) setWindowState(windowState() | Qt::WindowMaximized);
  maximizeOnShow_ = false;
  UpdateSplitterBounds();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  UpdateSplitterBounds();
}

void MainWindow::UpdateSplitterBounds() {
  listings_->SetClientHeight(height(), listings_->geometry().top());
}

}  // namespace qv
