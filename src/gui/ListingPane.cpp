#include "gui/ListingPane.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "gui/Cncdrawbutton.h"
#include "gui/ListingModel.h"
#include "ui/MainView.h"

namespace qv {
namespace {

constexpr int kGap = 7;
constexpr int kNumbersWidth = 40;
constexpr int kSyncMilliseconds = 100;
// Room beside the caption for "X -99999.999  Y -99999.999".
constexpr int kReadoutWidth = 190;

// With equal rows the view measures one row only; measuring the widest line gives the list its
// whole width, so a long line scrolls instead of ending at the edge.
class WidestLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const auto* model = static_cast<const ListingModel*>(index.model());
    return QStyledItemDelegate::sizeHint(option, index.siblingAtRow(model->WidestRow()));
  }
};

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
  view->setItemDelegate(new WidestLineDelegate(view));
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
      preview_(new Cncdrawbutton(this)),
      coordinates_(new QLabel(this)),
      syncTimer_(new QTimer(this)) {
  caption_->setObjectName(QStringLiteral("listingCaption"));
  caption_->setReadOnly(true);
  numbers_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  numbers_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The data list's bar is always there and the numbers end above it: both lists then show the
  // same rows, down to the last one.
  lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  coordinates_->setObjectName(QStringLiteral("previewCoordinates"));
  coordinates_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ConnectPreview();
  for (QWidget* child : {static_cast<QWidget*>(this), numbers_->viewport(), lines_->viewport(),
                         static_cast<QWidget*>(preview_)}) {
    child->setMouseTracking(true);
    child->installEventFilter(this);
  }
  connect(syncTimer_, &QTimer::timeout, this, [this] { SyncNumbers(); });
  syncTimer_->start(kSyncMilliseconds);
}

void ListingPane::ConnectPreview() {
  connect(preview_, &Cncdrawbutton::programPointHovered, this,
          [this] { coordinates_->setText(preview_->ReadoutText()); });
  connect(preview_, &Cncdrawbutton::segmentClicked, this, [this](int line) { SelectLine(line); });
  for (QListView* list : {numbers_, lines_}) {
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
              if (current.isValid()) preview_->HighlightLine(LineOfRow(current.row()));
            });
  }
}

void ListingPane::Show(const Listing& listing) {
  caption_->setText(QString::fromStdU16String(listing.caption));
  numberModel_->SetLines(listing.numbers);
  lineModel_->SetLines(listing.lines);
  // The numbers are the lines' places in the program ("%5d", 1-based); rows may skip some.
  lineOfRow_.clear();
  lineOfRow_.reserve(listing.numbers.size());
  for (const std::u16string& number : listing.numbers) {
    lineOfRow_.push_back(QString::fromStdU16String(number).trimmed().toInt() - 1);
  }
  preview_->HighlightLine(-1);
  preview_->RequestRedraw();
}

int32_t ListingPane::LineOfRow(int row) const {
  if (row < 0 || static_cast<size_t>(row) >= lineOfRow_.size()) return -1;
  return lineOfRow_[static_cast<size_t>(row)];
}

int ListingPane::RowOfLine(int32_t line) const {
  const auto found = std::lower_bound(lineOfRow_.begin(), lineOfRow_.end(), line);
  if (found == lineOfRow_.end() || *found != line) return -1;
  return static_cast<int>(found - lineOfRow_.begin());
}

void ListingPane::SelectLine(int32_t line) {
  const int row = RowOfLine(line);
  if (row < 0) return;
  for (QListView* list : {lines_, numbers_}) {
    const QModelIndex index = list->model()->index(row, 0);
    list->setCurrentIndex(index);
    list->scrollTo(index);
  }
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
  const int captionWidth = std::max(width() - kReadoutWidth - kGap, width() - width() / 3);
  caption_->setGeometry(0, 0, captionWidth, captionHeight);
  coordinates_->setGeometry(captionWidth + kGap, 0, width() - captionWidth - kGap, captionHeight);
  const int bar = lines_->horizontalScrollBar()->sizeHint().height();
  numbers_->setGeometry(0, listsTop, kNumbersWidth, std::max(listsBottom - listsTop - bar, 0));
  lines_->setGeometry(kNumbersWidth, listsTop, width() - kNumbersWidth, listsBottom - listsTop);
  const int previewTop = std::min(listsBottom + kGap * 2, height());
  preview_->setGeometry(0, previewTop, width(), height() - previewTop);
}

// The band follows the edge as drawn: a division kept from a taller window lies beyond it.
bool ListingPane::InBand(int y) const { return InSplitterBand(y + offset_, Splitter()); }

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
