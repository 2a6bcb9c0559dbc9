// Every valid figure, in every variant the options allow, must come out as one closed cut:
// these tests read the produced lines back and walk the contour.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ContourWalker.h"
#include "macro/FigureContours.h"

namespace qv {
namespace {

constexpr double kPiValue = 3.141592653589793;

struct Figure {
  std::string name;
  MacroWords words;
  double area;  // enclosed area of the figure
};

MacroWords At(int g, double i, double j) {
  MacroWords w;
  w.g = g;
  w.x = 123.4567, w.hasX = 1;
  w.y = -45.6789, w.hasY = 1;
  w.i = i, w.hasI = 1;
  w.j = j, w.hasJ = 1;
  return w;
}

MacroWords WithR(MacroWords w, double r) { return w.r = r, w.hasR = 1, w; }
MacroWords WithC(MacroWords w, double c) { return w.c = c, w.hasC = 1, w; }

// Area of a circle of radius rho above the chord at height h.
double CapArea(double rho, double h) {
  return rho * rho * std::acos(h / rho) - h * std::sqrt(rho * rho - h * h);
}

double PolygonArea(int n, double s, double r, double c) {
  const double t = std::tan(kPiValue / n);
  return n * (s * s * t - r * r * (t - kPiValue / n) - 0.5 * c * c * std::sin(2 * kPiValue / n));
}

std::vector<Figure> Figures() {
  const double pi = kPiValue;
  std::vector<Figure> figures = {
      {"square rectangle", At(111, 37.3, 13.9), 37.3 * 13.9},
      {"rounded rectangle", WithR(At(111, 37.3, 13.9), 2.71), 37.3 * 13.9 - (4 - pi) * 2.71 * 2.71},
      {"chamfered rectangle", WithC(At(111, 37.3, 13.9), 3.3), 37.3 * 13.9 - 2 * 3.3 * 3.3},
      {"circle", At(112, 17.77, 17.77), pi * 8.885 * 8.885},
      {"slot", At(112, 41.1, 7.3), (41.1 - 7.3) * 7.3 + pi * 3.65 * 3.65},
      {"two flats", At(113, 25.5, 17.1), pi * 12.75 * 12.75 - 2 * CapArea(12.75, 8.55)},
      {"one flat", At(113, 25.5, -19.2), pi * 12.75 * 12.75 - CapArea(12.75, 19.2 - 12.75)},
      {"full circle", At(113, 25.5, 25.5), pi * 12.75 * 12.75},
      {"round-end arc slot", WithR(At(115, 127.5, 6.2), 31.4),
       2 * 31.4 * 3.1 * 127.5 * pi / 180 + pi * 3.1 * 3.1},
      {"square-end arc slot", WithR(At(116, 211.3, 6.2), 31.4), 2 * 31.4 * 3.1 * 211.3 * pi / 180},
  };
  for (int n : {3, 5, 8, 17, 40, 99}) {
    const std::string sides = std::to_string(n);
    figures.push_back({"polygon " + sides, At(114, 23.45, n), PolygonArea(n, 23.45, 0, 0)});
    figures.push_back({"rounded polygon " + sides, WithR(At(114, 23.45, n), 4.56),
                       PolygonArea(n, 23.45, 4.56, 0)});
    const double chamfer = 0.9 * 23.45 * std::min(1.0, std::tan(kPiValue / n));
    figures.push_back({"chamfered polygon " + sides, WithC(At(114, 23.45, n), chamfer),
                       PolygonArea(n, 23.45, 0, chamfer)});
  }
  return figures;
}

// Walks the figure's lines and reports what is wrong, empty when nothing is.
std::string Problem(const Figure& figure, const MacroWords& words, const FigureContext& context) {
  MacroWords checked = words;
  if (CheckFigure(checked) != 0) return "rejected by the check";
  std::vector<std::u16string> lines;
  if (GenerateFigure(checked, context, lines) != 0) return "no lines";
  const test::ContourWalk walk = test::WalkContour(lines);
  if (walk.next != lines.size()) return "lines after the figure";
  std::string problem = test::ClosedContourProblem(walk, context.incremental == 1);
  if (!problem.empty()) return problem;
  // The contour runs once round the figure: counter-clockwise for left-hand cutting.
  const double expected = context.cuttingDirection == 0 ? figure.area : -figure.area;
  const double area = test::EnclosedArea(walk);
  if (std::fabs(area - expected) > 0.003 * test::PathLength(walk) + 1e-4 * figure.area) {
    return "area " + std::to_string(area) + " instead of " + std::to_string(expected);
  }
  const bool marked = words.g <= 113;
  if (walk.marker != marked) return "marker line";
  if (context.exactStop == 1 && marked && walk.cornerStops == 0) return "no corner stop";
  if ((context.exactStop != 1 || !marked) && walk.cornerStops != 0) return "unwanted corner stop";
  return {};
}

TEST(FigureClosure, EveryFigureClosesForEveryAngleDirectionAndApproach) {
  const double angles[] = {-360, -271.3, -180, -90, -33.3, 0, 0.4, 45, 90, 137.9, 270, 359.99, 360};
  int walked = 0;
  for (const Figure& figure : Figures()) {
    for (double k : angles) {
      for (double q : {-3.3, 0.0, 1.7, -1.0}) {
        MacroWords words = figure.words;
        words.k = k, words.hasK = 1;
        if (q != -1.0) words.q = q, words.hasQ = 1;  // -1 stands for the default approach
        for (int direction : {0, 1}) {
          for (int stop : {0, 1, 2}) {
            const FigureContext context{direction, 0, stop, direction};
            const std::string problem = Problem(figure, words, context);
            EXPECT_EQ(problem, "") << figure.name << " K" << k << " Q" << q << " direction "
                                   << direction << " stop " << stop;
            ++walked;
          }
        }
      }
    }
  }
  EXPECT_GT(walked, 3000);
}

TEST(FigureClosure, FiguresThatFollowAPatternCloseAtEveryPatternAngle) {
  for (const Figure& figure : Figures()) {
    MacroWords words = figure.words;
    words.i = -words.i;
    if (words.g == 111 || words.g == 112) continue;  // J would exceed I: covered below
    for (double pattern = -350; pattern <= 360; pattern += 47.5) {
      const FigureContext context{0, pattern, 0, 1};
      EXPECT_EQ(Problem(figure, words, context), "") << figure.name << " pattern " << pattern;
    }
  }
  MacroWords rectangle = At(111, -37.3, 13.9);
  for (double pattern = -350; pattern <= 360; pattern += 47.5) {
    EXPECT_EQ(Problem({"rectangle", rectangle, 37.3 * 13.9}, rectangle, {1, pattern, 1, 0}), "");
  }
}

// A random figure of the given code: random size, place, angle, approach and corners.
MacroWords RandomFigure(int g, std::mt19937_64& rng, double largest = 200) {
  std::uniform_real_distribution<double> unit(0, 1);
  const double size = largest / 400 + unit(rng) * largest;
  MacroWords w = At(g, size, 0);
  w.x = (unit(rng) - 0.5) * 2000, w.y = (unit(rng) - 0.5) * 2000;
  w.k = (unit(rng) - 0.5) * 720, w.hasK = 1;
  if (unit(rng) < 0.25) w.q = (unit(rng) - 0.5) * 20, w.hasQ = 1;
  const double corner = unit(rng);
  if (g == 111) {
    w.j = size * unit(rng);
    if (corner < 0.33) w = WithR(w, w.j * 0.49 * unit(rng));
    if (corner > 0.66) w = WithC(w, w.j * 0.49 * unit(rng));
  } else if (g == 112) {
    w.j = size * unit(rng), w.hasJ = unit(rng) < 0.5;
  } else if (g == 113) {
    w.j = (unit(rng) < 0.5 ? 1 : -1) * size * (0.5 + 0.5 * unit(rng));
  } else if (g == 114) {
    w.j = 3 + static_cast<int>(unit(rng) * 97);
    if (corner < 0.33) w = WithR(w, size * 0.99 * unit(rng));
    const double halfSide = size * std::min(1.0, std::tan(kPiValue / w.j));
    if (corner > 0.66) w = WithC(w, halfSide * 0.99 * unit(rng));
  } else {
    // Slots of no angle and of a whole turn as well.
    const double angle = unit(rng);
    w.i = angle < 0.1 ? 0 : (angle < 0.2 ? -360 : (unit(rng) - 0.5) * 719);
    w.j = largest / 20000 + unit(rng) * largest / 4;
    w = WithR(w, w.j / 2 + unit(rng) * largest * 1.5);
  }
  return w;
}

void WalkRandomFigures(int count, double largest, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  int walked = 0;
  for (int n = 0; n < count; ++n) {
    MacroWords w = RandomFigure(111 + n % 6, rng, largest);
    if (CheckFigure(w) != 0) continue;
    const FigureContext context{n % 2, unit(rng) * 720 - 360, n % 3, (n / 2) % 2};
    std::vector<std::u16string> lines;
    ASSERT_EQ(GenerateFigure(w, context, lines), 0);
    const test::ContourWalk walk = test::WalkContour(lines);
    ASSERT_EQ(test::ClosedContourProblem(walk, context.incremental == 1), "")
        << "G" << w.g << " I" << w.i << " J" << w.j << " K" << w.k << " R" << w.r << " C" << w.c;
    ++walked;
  }
  EXPECT_GT(walked, count * 8 / 10);
}

TEST(FigureClosure, RandomFiguresAtRandomPlacesClose) { WalkRandomFigures(10000, 200, 20261208); }

// Corner arcs and slot ends only a few thousandths across, where rounding is coarsest.
TEST(FigureClosure, TinyRandomFiguresClose) { WalkRandomFigures(4000, 0.5, 1208); }

TEST(FigureClosure, WalkerCatchesOpenContoursAndUnequalRadii) {
  const std::vector<std::u16string> open{u"G00X0.Y0.",  u"G91", u"G41G09G01X1.Y0.", u"G01X0.Y1.",
                                         u"G01X-1.Y0.", u"G90", u"G00G40"};
  EXPECT_NE(test::ClosedContourProblem(test::WalkContour(open), false), "");
  const std::vector<std::u16string> lopsided{
      u"G00X0.Y0.",          u"G91", u"G41G09G01X1.Y0.", u"G03X-2.Y0.I-1.J0.",
      u"G03X2.Y0.I1.003J0.", u"G90", u"G00G40"};
  EXPECT_NE(test::ClosedContourProblem(test::WalkContour(lopsided), false), "");
  const std::vector<std::u16string> good{
      u"G00X0.Y0.",       u"G91", u"G41G09G01X1.Y0.", u"G03X-2.Y0.I-1.J0.",
      u"G03X2.Y0.I1.J0.", u"G91", u"G00G40"};
  const test::ContourWalk walk = test::WalkContour(good);
  EXPECT_EQ(test::ClosedContourProblem(walk, true), "");
  EXPECT_NE(test::ClosedContourProblem(walk, false), "");  // G90 was due
  EXPECT_NEAR(test::EnclosedArea(walk), kPiValue, 1e-9);
}

}  // namespace
}  // namespace qv
