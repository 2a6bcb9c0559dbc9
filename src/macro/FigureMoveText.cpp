#include "macro/FigureMoveText.h"

#include <cmath>
#include <cstdlib>

#include "nctext/NcWords.h"

namespace qv {

namespace {

// A value in thousandths, rounded the way the printed text rounds it.
long long Thousandths(double value) { return std::llround(RoundToDigits(value, 3) * 1000); }

// The text of a printed value: the exact value's own text when it rounds to the chosen
// thousandths (so a small negative value keeps its "-0."), else the chosen value's.
std::u16string Number(long long thousandths, double exact) {
  // Turning leaves residues such as -1e-15 where a move has no component: they are zero.
  if (std::fabs(exact) < 1e-9) exact = 0;
  if (Thousandths(exact) == thousandths) return FormatNcNumber(exact, 3);
  return FormatNcNumber(static_cast<double>(thousandths) / 1000, 3);
}

std::u16string Pair(char16_t first, long long a, double exactA, char16_t second, long long b,
                    double exactB) {
  return std::u16string(1, first) + Number(a, exactA) + std::u16string(1, second) +
         Number(b, exactB);
}

// How far apart the distances from the centre (p, q) to the start (0, 0) and to the end
// (m, n) are, all in thousandths.
double RadiusMismatch(long long m, long long n, long long p, long long q) {
  const double start = std::hypot(static_cast<double>(p), static_cast<double>(q));
  const double end = std::hypot(static_cast<double>(m - p), static_cast<double>(n - q));
  return std::fabs(start - end);
}

struct ArcChoice {
  long long m, n, p, q;
};

// The grid end (m, n) and centre (p, q) nearest the rounded ones (plain) whose radii agree
// within 0.2 thousandths; failing that, the pair whose radii agree best. The exact centre is
// in thousandths.
ArcChoice ChooseArc(ArcChoice plain, double exactP, double exactQ) {
  const long long m0 = plain.m, n0 = plain.n, p0 = plain.p, q0 = plain.q;
  if (RadiusMismatch(m0, n0, p0, q0) <= 0.2) return {m0, n0, p0, q0};
  ArcChoice best{m0, n0, p0, q0};
  double bestCost = 1e300;
  for (long long a = -1; a <= 1; ++a) {
    for (long long b = -1; b <= 1; ++b) {
      for (long long c = -2; c <= 2; ++c) {
        for (long long d = -2; d <= 2; ++d) {
          const ArcChoice option{m0 + a, n0 + b, p0 + c, q0 + d};
          const double mismatch = RadiusMismatch(option.m, option.n, option.p, option.q);
          const double shift = 100.0 * (a * a + b * b) + std::pow(option.p - exactP, 2) +
                               std::pow(option.q - exactQ, 2);
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
  return best;
}

}  // namespace

FigureMoveText::FigureMoveText(Point start)
    : start_(start), x_(Thousandths(start.x)), y_(Thousandths(start.y)) {}

std::u16string FigureMoveText::RapidCoordinates() const {
  return Pair(u'X', x_, start_.x, u'Y', y_, start_.y);
}

std::u16string FigureMoveText::LineTo(Point to) {
  const double dx = to.x - x_ / 1000.0, dy = to.y - y_ / 1000.0;
  const long long m = Thousandths(dx), n = Thousandths(dy);
  x_ += m;
  y_ += n;
  return u"G01" + Pair(u'X', m, dx, u'Y', n, dy);
}

std::u16string FigureMoveText::ArcTo(bool clockwise, Point to, Point centre) {
  const double dx = to.x - x_ / 1000.0, dy = to.y - y_ / 1000.0;
  const double ix = centre.x - x_ / 1000.0, iy = centre.y - y_ / 1000.0;
  const ArcChoice plain{Thousandths(dx), Thousandths(dy), Thousandths(ix), Thousandths(iy)};
  const ArcChoice arc = ChooseArc(plain, ix * 1000, iy * 1000);
  x_ += arc.m;
  y_ += arc.n;
  return std::u16string(clockwise ? u"G02" : u"G03") + Pair(u'X', arc.m, dx, u'Y', arc.n, dy) +
         Pair(u'I', arc.p, ix, u'J', arc.q, iy);
}

}  // namespace qv
