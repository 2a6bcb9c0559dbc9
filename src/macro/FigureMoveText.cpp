#include "macro/FigureMoveText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qv {

namespace {

// A value in thousandths, rounded as RoundToDigits rounds it (half away from zero, on the
// fraction alone).
long long Thousandths(double value) {
  double whole = 0;
  const double fraction = std::modf(std::fabs(value), &whole);
  const auto rounded =
      static_cast<long long>(whole) * 1000 + static_cast<long long>(fraction * 1000 + 0.5);
  return value < 0 ? -rounded : rounded;
}

// Appends a printed value as FormatNcNumber prints it with 3 decimals: the exact value's own
// text when it rounds to the chosen thousandths (so a small negative value keeps its "-0."),
// else the chosen value's text.
void AppendNumber(std::u16string& text, long long thousandths, double exact) {
  // Turning leaves residues such as -1e-15 where a move has no component: they are zero.
  if (std::fabs(exact) < 1e-9) exact = 0;
  const bool negative =
      thousandths < 0 || (thousandths == 0 && exact < 0 && Thousandths(exact) == 0);
  const unsigned long long magnitude = thousandths < 0
                                           ? 0ULL - static_cast<unsigned long long>(thousandths)
                                           : static_cast<unsigned long long>(thousandths);
  if (negative) text += u'-';
  char16_t digits[24];
  int count = 0;
  unsigned long long whole = magnitude / 1000;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  while (count > 0) text += digits[--count];
  text += u'.';
  unsigned fraction = static_cast<unsigned>(magnitude % 1000);
  for (unsigned scale = 100; fraction != 0; scale /= 10) {
    text += static_cast<char16_t>(u'0' + fraction / scale);
    fraction %= scale;
  }
}

void AppendPair(std::u16string& text, char16_t first, long long a, double exactA, char16_t second,
                long long b, double exactB) {
  text += first;
  AppendNumber(text, a, exactA);
  text += second;
  AppendNumber(text, b, exactB);
}

struct ArcChoice {
  long long m, n, p, q;
};

// How far apart the distances from the centre (p, q) to the start (0, 0) and to the end
// (m, n) are, all in thousandths: the difference of their squares over their sum, with the
// sum of the plain choice standing in for each candidate's (they differ by a few thousandths).
double RadiusMismatch(const ArcChoice& arc, double radiusSum) {
  const double m = static_cast<double>(arc.m), n = static_cast<double>(arc.n);
  const double p = static_cast<double>(arc.p), q = static_cast<double>(arc.q);
  return std::fabs(2 * m * p + 2 * n * q - m * m - n * n) / radiusSum;
}

// The grid end (m, n) and centre (p, q) nearest the rounded ones (plain) whose radii agree
// within 0.2 thousandths; failing that, the pair whose radii agree best. The exact centre is
// in thousandths.
ArcChoice ChooseArc(ArcChoice plain, double exactP, double exactQ) {
  const double startRadius = std::hypot(static_cast<double>(plain.p), static_cast<double>(plain.q));
  const double endRadius =
      std::hypot(static_cast<double>(plain.m - plain.p), static_cast<double>(plain.n - plain.q));
  const double radiusSum = std::max(1.0, startRadius + endRadius);
  if (RadiusMismatch(plain, radiusSum) <= 0.2) return plain;
  // Moving the end costs more than any centre in reach, so the ends are tried only when no
  // centre serves the plain end.
  ArcChoice best = plain;
  double bestCost = 1e300;
  for (const long long reach : {0, 1}) {
    for (long long a = -reach; a <= reach; ++a) {
      for (long long b = -reach; b <= reach; ++b) {
        for (long long c = -2; c <= 2; ++c) {
          for (long long d = -2; d <= 2; ++d) {
            const ArcChoice option{plain.m + a, plain.n + b, plain.p + c, plain.q + d};
            const double mismatch = RadiusMismatch(option, radiusSum);
            const double dp = static_cast<double>(option.p) - exactP;
            const double dq = static_cast<double>(option.q) - exactQ;
            const double shift = 100.0 * static_cast<double>(a * a + b * b) + dp * dp + dq * dq;
            // Acceptable choices rank by how little they move; the rest by their mismatch.
            const double cost = mismatch <= 0.2 ? shift : 1e6 + mismatch;
            if (cost < bestCost) {
              bestCost = cost;
              best = option;
            }
          }
        }
      }
    }
    if (bestCost < 1e6) break;
  }
  return best;
}

}  // namespace

FigureMoveText::FigureMoveText(Point start)
    : start_(start), x_(Thousandths(start.x)), y_(Thousandths(start.y)) {}

std::u16string FigureMoveText::RapidCoordinates() const {
  std::u16string text;
  AppendPair(text, u'X', x_, start_.x, u'Y', y_, start_.y);
  return text;
}

std::u16string FigureMoveText::LineTo(Point to) {
  const double dx = to.x - x_ / 1000.0, dy = to.y - y_ / 1000.0;
  const long long m = Thousandths(dx), n = Thousandths(dy);
  x_ += m;
  y_ += n;
  std::u16string text = u"G01";
  AppendPair(text, u'X', m, dx, u'Y', n, dy);
  return text;
}

std::u16string FigureMoveText::ArcTo(bool clockwise, Point to, Point centre) {
  const double dx = to.x - x_ / 1000.0, dy = to.y - y_ / 1000.0;
  const double ix = centre.x - x_ / 1000.0, iy = centre.y - y_ / 1000.0;
  const ArcChoice plain{Thousandths(dx), Thousandths(dy), Thousandths(ix), Thousandths(iy)};
  const ArcChoice arc = ChooseArc(plain, ix * 1000, iy * 1000);
  x_ += arc.m;
  y_ += arc.n;
  std::u16string text = clockwise ? u"G02" : u"G03";
  AppendPair(text, u'X', arc.m, dx, u'Y', arc.n, dy);
  AppendPair(text, u'I', arc.p, ix, u'J', arc.q, iy);
  return text;
}

}  // namespace qv
