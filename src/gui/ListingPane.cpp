#include "gui/ListingPane.h"

#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "gui/ListingModel.h"
#include "ui/MainView.h"

namespace qv {
namespace {

constexpr int kGap = 7;
constexpr int kNumbersWidth = 40;
constexpr int kSyncMilliseconds = 100;

QListView* MakeList(QWidget* parent, ListingModel* model, const QString& name) {
  auto* view = new QListView(parent);
  view->setObjectName(name);
  view->setModel(model);
  // Equal rows let the view skip measuring every line; whole-line scrolling keeps the two
  // lists' first lines comparable.
  view->setUniformItemSizes(true);
  view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // One fixed font for both lists keeps their rows level; "%5d" fits the 40-pixel column.
  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(11);
  view->setFont(font);
  view->setTextElideMode(Qt::ElideNone);
  return view;
}

}  // namespace

ListingPane::ListingPane(QWidget* parent)
    : QWidget(parent),
      caption_(new QLineEdit(this)),
      numberModel_(new ListingModel(this)),
      lineModel_(new ListingModel(this)),
      numbers_(MakeList(this, numberModel_, QStringLiteral("lineNumbers"))),
      lines_(MakeList(this, lineModel_, QStringLiteral("dataLines"))),
      preview_(new QWidget(this)),
      syncTimer_(new QTimer(this)) {
  caption_->setObjectName(QStringLiteral("listingCaption"));
  caption_->setReadOnly(true);
  numbers_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  numbers_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  preview_->setObjectName(QStringLiteral("previewArea"));
  preview_->setAutoFillBackground(true);
  preview_->setBackgroundRole(QPalette::Base);
  for (QWidget* child :
       {static_cast<QWidget*>(this), numbers_->viewport(), lines_->viewport(), preview_}) {
    child->setMouseTracking(true);
    child->installEventFilter(this);
  }
  connect(syncTimer_, &QTimer::timeout, this, [this] { SyncNumbers(); });
  syncTimer_->start(kSyncMilliseconds);
}

void ListingPane::Show(const Listing& listing) {
  caption_->setText(QString::fromStdU16String(listing.caption));
  numberModel_->SetLines(listing.numbers);
  lineModel_->SetLines(listing.lines);
}

void ListingPane::SyncNumbers() {
  const int first = lines_->verticalScrollBar()->value();
  if (numbers_->verticalScrollBar()->value() != first)
    numbers_->verticalScrollBar()->setValue(first);
}

void ListingPane::SetClientHeight(int height, int offset) {
  clientHeight_ = height;
  offset_ = offset;
  LayOut();
}

// Kept as given, so that a window made small and large again returns to the same division.
void ListingPane::SetSplitter(int splitter) {
  splitter_ = splitter;
  LayOut();
}

int ListingPane::ListsTop() const { return caption_->sizeHint().height() + kGap; }

int ListingPane::Splitter() const {
  return ClampSplitter(splitter_, offset_ + ListsTop(), clientHeight_);
}

void ListingPane::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void ListingPane::LayOut() {
  const int captionHeight = caption_->sizeHint().height();
  const int listsTop = ListsTop();
  const int listsBottom = std::clamp(Splitter() - offset_, listsTop, height());
  caption_->setGeometry(0, 0, width(), captionHeight);
  numbers_->setGeometry(0, listsTop, kNumbersWidth, listsBottom - listsTop);
  lines_->setGeometry(kNumbersWidth, listsTop, width() - kNumbersWidth, listsBottom - listsTop);
  const int previewTop = std::min(listsBottom + kGap * 2, height());
  preview_->setGeometry(0, previewTop, width(), height() - previewTop);
}

bool ListingPane::InBand(int y) const { return InSplitterBand(y + offset_, splitter_); }

// Every child under the band passes its mouse here, so the band can be grabbed over the lists'
// bottom rows as well as in the gap.
bool ListingPane::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return QWidget::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const int y = mapFromGlobal(mouse->globalPosition().toPoint()).y();
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && InBand(y)) {
    dragging_ = true;
    return true;
  }
  if (type == QEvent::MouseButtonRelease && dragging_) {
    dragging_ = false;
    return true;
  }
  if (type == QEvent::MouseMove) {
    if (dragging_) {
      SetSplitter(ClampSplitter(y + offset_, offset_ + ListsTop(), clientHeight_));
      return true;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (InBand(y)) {
      widget->setCursor(Qt::SizeVerCursor);
    } else {
      widget->unsetCursor();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qv
