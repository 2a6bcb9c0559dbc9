#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "macro/MacroPatterns.h"

namespace qv {
namespace {

MacroWords Pattern(int32_t g, double i, double j, double k, std::optional<double> p = {},
                   std::optional<double> q = {}) {
  MacroWords w;
  w.g = g;
  w.i = i;
  w.hasI = 1;
  w.j = j;
  w.hasJ = 1;
  w.k = k;
  w.hasK = 1;
  if (p) {
    w.p = *p;
    w.hasP = 1;
  }
  if (q) {
    w.q = *q;
    w.hasQ = 1;
  }
  return w;
}

// The stops' positions, rounded to 1e-9 so that cos(90°) and friends compare exactly.
std::vector<Point> Positions(const std::vector<PatternStop>& stops) {
  std::vector<Point> points;
  for (const PatternStop& s : stops) {
    points.push_back(
        {std::round(s.position.x * 1e9) / 1e9 + 0.0, std::round(s.position.y * 1e9) / 1e9 + 0.0});
  }
  return points;
}

std::vector<double> Angles(const std::vector<PatternStop>& stops) {
  std::vector<double> angles;
  for (const PatternStop& s : stops) angles.push_back(s.patternAngle);
  return angles;
}

TEST(MacroPatternsTest, BoltCircleVisitsKPointsCounterClockwiseFromJ) {
  const auto stops = PatternStops(Pattern(126, 50, 0, 6), {0, 0}, true, true);
  const double h = 50 * std::sqrt(3.0) / 2;
  const std::vector<Point> expected{{50, 0}, {25, h}, {-25, h}, {-50, 0}, {-25, -h}, {25, -h}};
  ASSERT_EQ(stops.size(), 6u);
  for (size_t k = 0; k < 6; ++k) {
    EXPECT_NEAR(stops[k].position.x, expected[k].x, 1e-9) << k;
    EXPECT_NEAR(stops[k].position.y, expected[k].y, 1e-9) << k;
  }
  EXPECT_EQ(Angles(stops), (std::vector<double>{0, 60, 120, 180, 240, 300}));
}

TEST(MacroPatternsTest, BoltCircleAroundBaseWithStartAngleAndFractionalCount) {
  const auto stops = PatternStops(Pattern(126, 10, 90, 4.9), {100, 200}, false, true);
  EXPECT_EQ(Positions(stops), (std::vector<Point>{{100, 210}, {90, 200}, {100, 190}, {110, 200}}));
  EXPECT_EQ(Angles(stops), (std::vector<double>{90, 180, 270, 360}));
}

TEST(MacroPatternsTest, ArcPatternStepsByPitchInEitherDirection) {
  auto stops = PatternStops(Pattern(129, 10, 0, 3, 90.0), {0, 0}, true, true);
  EXPECT_EQ(Positions(stops), (std::vector<Point>{{10, 0}, {0, 10}, {-10, 0}}));
  EXPECT_EQ(Angles(stops), (std::vector<double>{0, 90, 180}));
  stops = PatternStops(Pattern(129, 10, 0, 3, -90.0), {0, 0}, true, true);
  EXPECT_EQ(Positions(stops), (std::vector<Point>{{10, 0}, {0, -10}, {-10, 0}}));
  EXPECT_EQ(Angles(stops), (std::vector<double>{0, -90, -180}));
  // Without P it is a full circle like G126.
  MacroWords noPitch = Pattern(129, 10, 0, 4);
  EXPECT_EQ(Positions(PatternStops(noPitch, {0, 0}, true, true)),
            (std::vector<Point>{{10, 0}, {0, 10}, {-10, 0}, {0, -10}}));
}

TEST(MacroPatternsTest, LinePatternUsesBaseOnlyWhenTheLineCarriesAPosition) {
  const MacroWords w = Pattern(128, 10, 90, 3);
  EXPECT_EQ(Positions(PatternStops(w, {5, 5}, false, true)),
            (std::vector<Point>{{5, 15}, {5, 25}, {5, 35}}));
  EXPECT_EQ(Positions(PatternStops(w, {5, 5}, true, true)),
            (std::vector<Point>{{5, 5}, {5, 15}, {5, 25}, {5, 35}}));
  EXPECT_EQ(Positions(PatternStops(Pattern(128, -2, 0, 2), {0, 0}, false, true)),
            (std::vector<Point>{{-2, 0}, {-4, 0}}));
  EXPECT_EQ(Angles(PatternStops(w, {5, 5}, true, true)), (std::vector<double>{0, 0, 0, 0}));
}

TEST(MacroPatternsTest, GridRowByRowIsSerpentine) {
  const MacroWords w = Pattern(136, 1, 1, 1, 2.0);
  EXPECT_EQ(Positions(PatternStops(w, {0, 0}, true, true)),
            (std::vector<Point>{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}));
  EXPECT_EQ(Positions(PatternStops(w, {0, 0}, false, true)),
            (std::vector<Point>{{1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}));
}

TEST(MacroPatternsTest, GridColumnByColumnIsSerpentine) {
  const MacroWords w = Pattern(137, 10, 5, 2, 1.0);
  EXPECT_EQ(
      Positions(PatternStops(w, {100, 100}, true, true)),
      (std::vector<Point>{{100, 100}, {100, 105}, {100, 110}, {110, 110}, {110, 105}, {110, 100}}));
}

TEST(MacroPatternsTest, GridIsTurnedAboutTheBaseByQ) {
  const MacroWords w = Pattern(136, 10, 20, 1, 1.0, 90.0);
  EXPECT_EQ(Positions(PatternStops(w, {1, 1}, false, true)),
            (std::vector<Point>{{1, 11}, {-19, 11}, {-19, 1}}));
}

TEST(MacroPatternsTest, CircleChecksAndDefaults) {
  MacroWords w = Pattern(126, 50, 0, 6);
  w.hasJ = 0;
  w.j = 77;
  EXPECT_EQ(CheckPattern(w), 0);
  EXPECT_EQ(w.j, 0);
  EXPECT_EQ(w.hasJ, 0);  // defaults set the value only
  EXPECT_EQ(CheckPattern(w = Pattern(126, 0, 0, 6)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, -5, 0, 6)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 360, 6)), 0);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, -360.001, 6)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 0, 0.99)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 0, 1)), 0);
  w = Pattern(126, 5, 0, 1);
  w.hasK = 0;
  EXPECT_EQ(CheckPattern(w), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(129, 5, 0, 3, 360.0)), 0);
  EXPECT_EQ(CheckPattern(w = Pattern(129, 5, 0, 3, -361.0)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 0, 3, 1000.0)), 0);  // P means nothing to G126
}

TEST(MacroPatternsTest, LineAndGridChecks) {
  MacroWords w;
  EXPECT_EQ(CheckPattern(w = Pattern(128, -5, 0, 1)), 0);
  EXPECT_EQ(CheckPattern(w = Pattern(128, 5, 400, 1)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(128, 5, 0, 0)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(136, 1, 1, 1, 1.0)), 0);
  EXPECT_EQ(w.q, 0);
  EXPECT_EQ(CheckPattern(w = Pattern(137, 1, 1, 1)), -1);  // no P
  EXPECT_EQ(CheckPattern(w = Pattern(136, 1, 1, 1, 0.5)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(136, 1, 1, 1, 1.0, 361.0)), -1);
  w = Pattern(136, 1, 1, 1, 1.0);
  w.hasJ = 0;
  EXPECT_EQ(CheckPattern(w), -1);
}

TEST(MacroPatternsTest, CountsThatWouldExhaustMemoryAreInvalid) {
  MacroWords w;
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 0, 999999999)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(126, 5, 0, kMaxPatternPositions)), 0);
  EXPECT_EQ(CheckPattern(w = Pattern(128, 5, 0, kMaxPatternPositions)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(136, 1, 1, 99999, 99999.0)), -1);
  EXPECT_EQ(CheckPattern(w = Pattern(137, 1, 1, 99, 99.0)), 0);
}

}  // namespace
}  // namespace qv
