#include "gui/QPainterCanvas.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace qv {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QPointF ToQPoint(PixelPoint p) { return {p.x, p.y}; }

// The angle of a point about the centre in degrees, counter-clockwise on the screen.
double ScreenAngle(PixelPoint centre, PixelPoint p) {
  return std::atan2(centre.y - p.y, p.x - centre.x) * 180.0 / 3.141592653589793;
}

}  // namespace

void QPainterCanvas::FillBackground(int32_t width, int32_t height, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(QRect(0, 0, width, height), ToQColor(colour));
}

void QPainterCanvas::SetClip(PixelPoint topLeft, PixelPoint bottomRight) {
  painter_.setClipRect(QRectF(ToQPoint(topLeft), ToQPoint(bottomRight)));
}

void QPainterCanvas::SetPen(const Pen& pen) {
  if (pen.style == PenStyle::None) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen qtPen(ToQColor(pen.colour));
  qtPen.setWidth(1);
  qtPen.setStyle(pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(qtPen);
  painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  painter_.drawLine(ToQPoint(from), ToQPoint(to));
}

void QPainterCanvas::DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
                             bool clockwise) {
  const double start = ScreenAngle(centre, from);
  double span = ScreenAngle(centre, to) - start;
  // Qt turns counter-clockwise for a positive span.
  if (clockwise) {
    while (span >= 0) span -= 360;
  } else {
    while (span <= 0) span += 360;
  }
  const QRectF box(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius);
  painter_.drawArc(box, static_cast<int>(std::lround(start * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

void QPainterCanvas::DrawCircle(PixelPoint centre, double radius) {
  painter_.drawEllipse(ToQPoint(centre), radius, radius);
}

void QPainterCanvas::DrawMarker(PixelPoint at, double size) {
  painter_.drawLine(QPointF(at.x - size, at.y), QPointF(at.x + size, at.y));
  painter_.drawLine(QPointF(at.x, at.y - size), QPointF(at.x, at.y + size));
}

}  // namespace qv
