#include "preview/SvgCanvas.h"

#include <cmath>
#include <cstdio>

#include "macro/PlaneGeometry.h"

namespace qv {
namespace {

std::string HexColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

std::string Coordinates(PixelPoint p) { return SvgNumber(p.x) + " " + SvgNumber(p.y); }

// The screen angle swept from `from` to `to` in the arc's direction, in 0 to 2 pi (y down, so
// a growing angle turns clockwise).
double Sweep(PixelPoint centre, PixelPoint from, PixelPoint to, bool clockwise) {
  const double a0 = std::atan2(from.y - centre.y, from.x - centre.x);
  const double a1 = std::atan2(to.y - centre.y, to.x - centre.x);
  double sweep = clockwise ? a1 - a0 : a0 - a1;
  while (sweep < 0) sweep += 2 * kPi;
  return sweep;
}

}  // namespace

std::string SvgNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string number = text;
  while (number.back() == '0') number.pop_back();
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
}

void SvgCanvas::FillBackground(int32_t width, int32_t height, Rgb colour) {
  width_ = width;
  height_ = height;
  background_ = "<rect width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
                "\" fill=\"" + HexColour(colour) + "\"/>\n";
  body_.clear();
}

void SvgCanvas::SetClip(PixelPoint topLeft, PixelPoint bottomRight) {
  clip_ = "<clipPath id=\"area\"><rect x=\"" + SvgNumber(topLeft.x) + "\" y=\"" +
          SvgNumber(topLeft.y) + "\" width=\"" + SvgNumber(bottomRight.x - topLeft.x) +
          "\" height=\"" + SvgNumber(bottomRight.y - topLeft.y) + "\"/></clipPath>\n";
}

void SvgCanvas::SetPen(const Pen& pen) {
  if (pen.style == PenStyle::None) {
    stroke_ = " stroke=\"none\"";
    return;
  }
  stroke_ = " stroke=\"" + HexColour(pen.colour) + "\"";
  if (pen.style == PenStyle::Dotted) stroke_ += " stroke-dasharray=\"1 2\"";
}

void SvgCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  body_ += "<line x1=\"" + SvgNumber(from.x) + "\" y1=\"" + SvgNumber(from.y) + "\" x2=\"" +
           SvgNumber(to.x) + "\" y2=\"" + SvgNumber(to.y) + "\"" + stroke_ + "/>\n";
}

void SvgCanvas::DrawArc(PixelPoint centre, double radius, PixelPoint from, PixelPoint to,
                        bool clockwise) {
  const bool large = Sweep(centre, from, to, clockwise) > kPi;
  const std::string r = SvgNumber(radius);
  body_ += "<path d=\"M " + Coordinates(from) + " A " + r + " " + r + " 0 " + (large ? "1" : "0") +
           " " + (clockwise ? "1" : "0") + " " + Coordinates(to) + "\"" + stroke_ + "/>\n";
}

void SvgCanvas::DrawCircle(PixelPoint centre, double radius) {
  body_ += "<circle cx=\"" + SvgNumber(centre.x) + "\" cy=\"" + SvgNumber(centre.y) + "\" r=\"" +
           SvgNumber(radius) + "\"" + stroke_ + "/>\n";
}

void SvgCanvas::DrawMarker(PixelPoint at, double size) {
  const std::string s = SvgNumber(size);
  const std::string twice = SvgNumber(2 * size);
  body_ += "<path d=\"M " + SvgNumber(at.x - size) + " " + SvgNumber(at.y) + " h " + twice + " M " +
           SvgNumber(at.x) + " " + SvgNumber(at.y - size) + " v " + twice + "\"" + stroke_ + "/>\n";
}

std::string SvgCanvas::Document() const {
  const std::string w = std::to_string(width_);
  const std::string h = std::to_string(height_);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\">\n<defs>\n" + clip_ + "</defs>\n" + background_ +
         "<g clip-path=\"url(#area)\" fill=\"none\" stroke-width=\"1\">\n" + body_ +
         "</g>\n</svg>\n";
}

}  // namespace qv
