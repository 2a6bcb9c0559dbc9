#include "gui/Cncdrawbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/QPainterCanvas.h"
#include "preview/PathPainter.h"

namespace qv {
namespace {

// One notch of a common mouse wheel.
constexpr int kWheelNotch = 120;
// A click picks the piece of the path within this many pixels.
constexpr double kPickPixels = 4;
// The highlighted line's pieces stand out in white against the path's colours.
constexpr Rgb kHighlight{255, 255, 255};
constexpr int kHighlightWidth = 3;

}  // namespace

Cncdrawbutton::Cncdrawbutton(QWidget* parent) : QWidget(parent), readout_(new QLabel(this)) {
  setObjectName(QStringLiteral("pathPreview"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(120, 90);
  readout_->setObjectName(QStringLiteral("previewReadout"));
  readout_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
  readout_->move(6, 4);
}

void Cncdrawbutton::RequestRedraw() {
  state_->redrawRequest = 1;
  update();
}

void Cncdrawbutton::FitToArea() {
  drawing_.Fit(width(), height());
  update();
}

QString Cncdrawbutton::ReadoutText() const { return readout_->text(); }

void Cncdrawbutton::paintEvent(QPaintEvent*) {
  drawing_.SetSettings(state_->settings);
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  const bool fromScratch = state_->redrawRequest == 1 || !drawnOnce_;
  drawing_.Draw(canvas, !fromScratch, width(), height());
  PaintHighlight(painter);
  drawnOnce_ = true;
  state_->redrawRequest = 0;
}

void Cncdrawbutton::HighlightLine(int32_t line) {
  if (line == highlighted_) return;
  highlighted_ = line;
  update();
}

void Cncdrawbutton::PaintHighlight(QPainter& painter) const {
  if (highlighted_ < 0) return;
  DisplayList pieces;
  const DisplayList& path = drawing_.Path();
  for (const size_t at : path.SegmentsOfLine(highlighted_)) pieces.Add(path.Segments()[at]);
  if (pieces.Segments().empty()) return;
  QPainterCanvas canvas(painter, kHighlightWidth);
  const ViewTransform view{drawing_.Scale(), static_cast<double>(drawing_.OriginX()),
                           static_cast<double>(drawing_.OriginY())};
  PaintPath(pieces, view, {kHighlight, kHighlight}, width(), height(), canvas);
}

void Cncdrawbutton::PickSegment(QPointF pixel) {
  const Point at = drawing_.ToProgram({pixel.x(), pixel.y()});
  const std::optional<int32_t> line = drawing_.Path().LineAt(at, kPickPixels * drawing_.Scale());
  if (!line) return;
  HighlightLine(*line);
  emit segmentClicked(*line);
}

void Cncdrawbutton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (drawnOnce_) drawing_.Fit(width(), height());
}

void Cncdrawbutton::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / kWheelNotch;
  if (notches == 0) return;
  const QPointF at = event->position();
  // Turning the wheel away from the operator looks closer: a smaller scale entry.
  drawing_.Zoom(-notches, {at.x(), at.y()});
  ShowPoint(at);
  update();
}

void Cncdrawbutton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragged_ = false;
  dragFrom_ = event->position().toPoint();
}

void Cncdrawbutton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_ && at != dragFrom_) {
    drawing_.Pan(at.x() - dragFrom_.x(), at.y() - dragFrom_.y());
    dragFrom_ = at;
    dragged_ = true;
    update();
  }
  ShowPoint(event->position());
}

void Cncdrawbutton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  if (!dragged_) PickSegment(event->position());
}

void Cncdrawbutton::mouseDoubleClickEvent(QMouseEvent*) { FitToArea(); }

void Cncdrawbutton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home || event->key() == Qt::Key_F) {
    FitToArea();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Cncdrawbutton::ShowPoint(QPointF pixel) {
  const Point p = drawing_.ToProgram({pixel.x(), pixel.y()});
  readout_->setText(QStringLiteral("X %1  Y %2").arg(p.x, 0, 'f', 3).arg(p.y, 0, 'f', 3));
  readout_->adjustSize();
  emit programPointHovered(QPointF(p.x, p.y));
}

}  // namespace qv
