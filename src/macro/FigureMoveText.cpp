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

// The distance between an arc's radii at its start and end, in thousandths, exactly.
double ArcMismatch(const ArcChoice& arc) {
  const double m = static_cast<double>(arc.m), n = static_cast<double>(arc.n);
  const double p = static_cast<double>(arc.p), q = static_cast<double>(arc.q);
  return std::fabs(std::hypot(p, q) - std::hypot(m - p, n - q));
}

// The angle an arc turns through from the start (0, 0) to the end (m, n) about (p, q), in
// its own direction, 0 to 2 pi.
double Turn(double m, double n, double p, double q, bool clockwise) {
  const double cross = p * (n - q) - q * (m - p);
  const double dot = -p * (m - p) - q * (n - q);
  double turn = std::atan2(clockwise ? -cross : cross, dot);
  if (turn < 0) turn += 2 * kPi;
  return turn;
}

// An arc as computed: end and centre in thousandths, direction, and the angle it turns.
struct ArcTarget {
  double m, n, p, q;
  bool clockwise;
};

// A fault value for printing an arc this way: the radius mismatch in thousandths, or
// kUnusable when the printed arc has no length (it would be read as a whole circle) or, being
// only a few thousandths across, would run round the other way. Large arcs are judged by the
// estimate alone (exact enough there, and the search runs it many times).
constexpr double kUnusable = 1e9;

double ArcFault(const ArcChoice& option, const ArcTarget& target, double radiusSum, bool large) {
  const double estimate = RadiusMismatch(option, radiusSum);
  if (large) return estimate;
  if (option.m == 0 && option.n == 0) return kUnusable;
  // The shared sum misjudges arcs under a millimetre across by up to a few per cent.
  if (estimate > 1) return estimate;
  const double mismatch = ArcMismatch(option);
  if (target.m * target.m + target.n * target.n < 64) {
    const double wanted = Turn(target.m, target.n, target.p, target.q, target.clockwise);
    const double printed =
        Turn(static_cast<double>(option.m), static_cast<double>(option.n),
             static_cast<double>(option.p), static_cast<double>(option.q), target.clockwise);
    if (std::fabs(printed - wanted) > kPi / 2) return kUnusable;
  }
  return mismatch;
}

struct ArcFit {
  ArcChoice choice;
  double fault;
};

// The grid end (m, n) and centre (p, q) nearest the rounded ones (plain) whose radii agree
// within 0.2 thousandths; failing that, the pair with the smallest fault. A fixed end is
// never moved.
ArcFit ChooseArc(ArcChoice plain, const ArcTarget& target, bool fixedEnd) {
  const double startRadius = std::hypot(static_cast<double>(plain.p), static_cast<double>(plain.q));
  const double endRadius =
      std::hypot(static_cast<double>(plain.m - plain.p), static_cast<double>(plain.n - plain.q));
  const double radiusSum = std::max(1.0, startRadius + endRadius);
  // A large arc's ends lie far apart, so no candidate within reach has no length or turns
  // round the other way.
  const bool large = radiusSum > 1000 && target.m * target.m + target.n * target.n > 10000;
  const double plainFault = ArcFault(plain, target, radiusSum, large);
  if (plainFault <= 0.2) return {plain, plainFault};
  // Moving the end costs more than any centre in reach, so the ends are tried only when no
  // centre serves the plain end.
  ArcFit best{plain, plainFault};
  double bestCost = 2e9 + plainFault;
  for (const long long reach : {0, 1}) {
    if (reach > 0 && fixedEnd) break;
    for (long long a = -reach; a <= reach; ++a) {
      for (long long b = -reach; b <= reach; ++b) {
        for (long long c = -2; c <= 2; ++c) {
          for (long long d = -2; d <= 2; ++d) {
            const ArcChoice option{plain.m + a, plain.n + b, plain.p + c, plain.q + d};
            const double fault = ArcFault(option, target, radiusSum, large);
            const double dp = static_cast<double>(option.p) - target.p;
            const double dq = static_cast<double>(option.q) - target.q;
            const double shift = 100.0 * static_cast<double>(a * a + b * b) + dp * dp + dq * dq;
            // Acceptable choices rank by how little they move; the rest by their fault.
            const double cost = fault <= 0.2 ? shift : 2e9 + fault;
            if (cost < bestCost) {
              bestCost = cost;
              best = {option, fault};
            }
          }
        }
      }
    }
    if (bestCost < 2e9) break;
  }
  return best;
}

// A contour move as it will be printed, with the exact values it stands for.
struct PlannedMove {
  ArcChoice grid{0, 0, 0, 0};
  double dx = 0, dy = 0, ix = 0, iy = 0;
  double fault = 0;  // radius mismatch in thousandths, or kUnusable
};

// How a move's printed end is found: Free lets an arc move its end by 0.001 to keep its
// radii; Fixed puts it at the rounded end plus a given shift and chooses only the centre.
enum class EndRule { Free, Fixed };

PlannedMove Plan(const ContourStep& step, long long x, long long y, EndRule rule,
                 long long shiftX = 0, long long shiftY = 0) {
  PlannedMove move;
  move.dx = step.to.x - x / 1000.0;
  move.dy = step.to.y - y / 1000.0;
  ArcChoice plain{Thousandths(move.dx) + shiftX, Thousandths(move.dy) + shiftY, 0, 0};
  if (step.kind == ContourStep::Kind::Line) {
    move.grid = plain;
    return move;
  }
  move.ix = step.centre.x - x / 1000.0;
  move.iy = step.centre.y - y / 1000.0;
  plain.p = Thousandths(move.ix);
  plain.q = Thousandths(move.iy);
  const ArcTarget target{move.dx * 1000, move.dy * 1000, move.ix * 1000, move.iy * 1000,
                         step.kind == ContourStep::Kind::Clockwise};
  const ArcFit fit = ChooseArc(plain, target, rule == EndRule::Fixed);
  move.grid = fit.choice;
  move.fault = fit.fault;
  return move;
}

std::u16string MoveText(const ContourStep& step, const PlannedMove& move) {
  std::u16string text = step.kind == ContourStep::Kind::Line
                            ? u"G01"
                            : (step.kind == ContourStep::Kind::Clockwise ? u"G02" : u"G03");
  AppendPair(text, u'X', move.grid.m, move.dx, u'Y', move.grid.n, move.dy);
  if (step.kind != ContourStep::Kind::Line) {
    AppendPair(text, u'I', move.grid.p, move.ix, u'J', move.grid.q, move.iy);
  }
  return text;
}

// When the closing arc, whose end must land on the contour's start, cannot keep its radii (or
// would have no length), moves the end of the move before it (by up to 0.002) so that both
// arcs serve.
void FitClosingArc(const std::vector<ContourStep>& steps, std::vector<PlannedMove>& planned,
                   long long x, long long y) {
  const size_t last = planned.size() - 1;
  if (last == 0 || steps[last].kind == ContourStep::Kind::Line || planned[last].fault <= 0.2) {
    return;
  }
  // (x, y) is where the move before the closing arc starts.
  double bestScore = planned[last].fault;
  double bestShift = 0;
  for (long long a = -2; a <= 2; ++a) {
    for (long long b = -2; b <= 2; ++b) {
      const PlannedMove before = Plan(steps[last - 1], x, y, EndRule::Fixed, a, b);
      const PlannedMove closing =
          Plan(steps[last], x + before.grid.m, y + before.grid.n, EndRule::Fixed);
      const double score = std::max(before.fault, closing.fault);
      const double shift = static_cast<double>(a * a + b * b);
      const bool better = score <= 0.2 ? (bestScore > 0.2 || shift < bestShift)
                                       : (bestScore > 0.2 && score < bestScore);
      if (better) {
        bestScore = score;
        bestShift = shift;
        planned[last - 1] = before;
        planned[last] = closing;
      }
    }
  }
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
  return Step({ContourStep::Kind::Line, to, {}}, false);
}

std::u16string FigureMoveText::ArcTo(bool clockwise, Point to, Point centre) {
  const auto kind = clockwise ? ContourStep::Kind::Clockwise : ContourStep::Kind::CounterClockwise;
  return Step({kind, to, centre}, false);
}

std::u16string FigureMoveText::Step(const ContourStep& step, bool fixedEnd) {
  const PlannedMove move = Plan(step, x_, y_, fixedEnd ? EndRule::Fixed : EndRule::Free);
  x_ += move.grid.m;
  y_ += move.grid.n;
  return MoveText(step, move);
}

std::vector<std::u16string> FigureMoveText::Contour(const std::vector<ContourStep>& steps) {
  std::vector<PlannedMove> planned;
  planned.reserve(steps.size());
  long long x = x_, y = y_, beforeLastX = x_, beforeLastY = y_;
  for (size_t n = 0; n < steps.size(); ++n) {
    const bool closing = n + 1 == steps.size();
    planned.push_back(Plan(steps[n], x, y, closing ? EndRule::Fixed : EndRule::Free));
    if (n + 2 == steps.size()) beforeLastX = x, beforeLastY = y;
    x += planned.back().grid.m;
    y += planned.back().grid.n;
  }
  if (!planned.empty()) FitClosingArc(steps, planned, beforeLastX, beforeLastY);
  if (planned.size() >= 3 && planned.back().fault > 0.2) {
    // Still no fit: let the closing arc miss the start by 0.001 rather than keep unequal
    // radii; spread over three or more moves that stays within half a thousandth a move.
    const PlannedMove& before = planned[planned.size() - 2];
    const PlannedMove free =
        Plan(steps.back(), beforeLastX + before.grid.m, beforeLastY + before.grid.n, EndRule::Free);
    if (free.fault < planned.back().fault) planned.back() = free;
  }
  std::vector<std::u16string> lines;
  lines.reserve(steps.size());
  for (size_t n = 0; n < steps.size(); ++n) {
    lines.push_back(MoveText(steps[n], planned[n]));
    x_ += planned[n].grid.m;
    y_ += planned[n].grid.n;
  }
  return lines;
}

}  // namespace qv
