#include "gui/QPainterCanvas.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace qv {
namespace {

constexpr double kPi = 3.141592653589793;
// How far a chord may stray from its arc, in pixels.
constexpr double kChordError = 0.5;
// Arcs that would need more chords than this are drawn as arcs.
constexpr int kMaxChords = 48;

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QPointF ToQPoint(PixelPoint p) { return {p.x, p.y}; }

// The angle of a point about the centre, counter-clockwise on the screen, in radians.
double ScreenAngle(PixelPoint centre, PixelPoint p) {
  return std::atan2(centre.y - p.y, p.x - centre.x);
}

// The turn from `start` to `end` in the arc's direction: negative when clockwise.
double Span(double start, double end, bool clockwise) {
  double span = end - start;
  if (clockwise) {
    while (span >= 0) span -= 2 * kPi;
  } else {
    while (span <= 0) span += 2 * kPi;
  }
  return span;
}

// The Qt pen of a preview pen: cosmetic, so the fast one-pixel path draws it.
QPen ToQPen(const Pen& pen, int width) {
  if (pen.style == PenStyle::None) return QPen(Qt::NoPen);
  QPen qtPen(ToQColor(pen.colour));
  qtPen.setWidth(width);
  qtPen.setCosmetic(true);
  qtPen.setStyle(pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  return qtPen;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, int penWidth)
    : painter_(painter), penWidth_(penWidth) {
  batches_.push_back({});  // lines drawn before any pen is set
}

void QPainterCanvas::FillBackground(int32_t width, int32_t height, Rgb colour) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(QRect(0, 0, width, height), ToQColor(colour));
}

void QPainterCanvas::SetClip(PixelPoint topLeft, PixelPoint bottomRight) {
  Finish();
  painter_.setClipRect(QRectF(ToQPoint(topLeft), ToQPoint(bottomRight)));
}

void QPainterCanvas::SetPen(const Pen& pen) {
  for (current_ = 0; current_ < batches_.size(); ++current_) {
    if (batches_[current_].pen == pen) return;
  }
  batches_.push_back({pen, ToQPen(pen, penWidth_), {}});
}

void QPainterCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  Lines().emplace_back(ToQPoint(from), ToQPoint(to));
}

bool QPainterCanvas::AddChords(PixelPoint centre, double radius, double start, double span) {
  const double step = radius <= kChordError ? kPi : 2 * std::acos(1 - kChordError / radius);
  const int count = static_cast<int>(std::ceil(std::fabs(span) / step));
  if (count > kMaxChords) return false;
  QPointF previous(centre.x + radius * std::cos(start), centre.y - radius * std::sin(start));
  for (int at = 1; at <= count; ++at) {
    const double angle = start + span * at / count;
    const QPointF next(centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle));
    Lines().emplace_back(previous, next);
    previous = next;
  }
  return true;
}

void QPainterCanvas::DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
                             bool clockwise) {
  const double start = ScreenAngle(centre, from);
  const double span = Span(start, ScreenAngle(centre, to), clockwise);
  if (AddChords(centre, radius, start, span)) return;
  painter_.setPen(batches_[current_].qtPen);
  const QRectF box(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius);
  // Qt counts angles in sixteenths of a degree, counter-clockwise for a positive span.
  constexpr double kSixteenths = 16 * 180 / kPi;
  painter_.drawArc(box, static_cast<int>(std::lround(start * kSixteenths)),
                   static_cast<int>(std::lround(span * kSixteenths)));
}

void QPainterCanvas::DrawCircle(PixelPoint centre, double radius) {
  if (AddChords(centre, radius, 0, 2 * kPi)) return;
  painter_.setPen(batches_[current_].qtPen);
  painter_.drawEllipse(ToQPoint(centre), radius, radius);
}

void QPainterCanvas::DrawMarker(PixelPoint at, double size) {
  Lines().emplace_back(QPointF(at.x - size, at.y), QPointF(at.x + size, at.y));
  Lines().emplace_back(QPointF(at.x, at.y - size), QPointF(at.x, at.y + size));
}

void QPainterCanvas::Finish() {
  for (Batch& batch : batches_) {
    if (batch.lines.empty()) continue;
    painter_.setPen(batch.qtPen);
    painter_.drawLines(batch.lines.data(), static_cast<int>(batch.lines.size()));
    batch.lines.clear();
  }
}

}  // namespace qv
