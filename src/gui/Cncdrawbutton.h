#pragma once

#include <QPointF>
#include <QSize>
#include <QWidget>

#include "preview/Cncdatadraw.h"
#include "preview/DisplayState.h"

class QLabel;
class QPainter;

namespace qv {

// The drawing area of the main window: paints the program through its Cncdatadraw with the
// shared display state, and lets the operator look closer: the wheel zooms about the cursor
// through the scale table, a drag pans, a double-click or Home or F fits the drawing again, and
// the program coordinates under the cursor show in a read-out (and go out as a signal).
class Cncdrawbutton : public QWidget {
  Q_OBJECT

 public:
  explicit Cncdrawbutton(QWidget* parent = nullptr);

  Cncdatadraw& Drawing() { return drawing_; }
  const Cncdatadraw& Drawing() const { return drawing_; }
  // The display state the main window owns; until set, the area keeps its own.
  void SetDisplayState(DisplayState* state) { state_ = state; }
  DisplayState& State() { return *state_; }
  // Asks for a drawing from scratch (the program changed) at the next paint.
  void RequestRedraw();
  // Fits the drawing to the area again.
  void FitToArea();
  bool DrawnOnce() const { return drawnOnce_; }
  // The text of the coordinate read-out.
  QString ReadoutText() const;
  // Draws the pieces of program line `line` over the path in the highlight colour; -1: none.
  void HighlightLine(int32_t line);
  int32_t HighlightedLine() const { return highlighted_; }

 signals:
  // The program point under the cursor.
  void programPointHovered(QPointF point);
  // A click (without a drag) landed on a piece of the path drawn for program line `line`.
  void segmentClicked(int line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowPoint(QPointF pixel);
  void PaintHighlight(QPainter& painter) const;
  void PickSegment(QPointF pixel);

  Cncdatadraw drawing_;
  DisplayState ownState_;
  DisplayState* state_ = &ownState_;
  bool drawnOnce_ = false;
  bool dragging_ = false;
  bool dragged_ = false;
  int32_t highlighted_ = -1;
  QPoint dragFrom_;
  QLabel* readout_;
};

}  // namespace qv
