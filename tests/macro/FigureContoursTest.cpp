#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "macro/FigureContours.h"

namespace qv {
namespace {

using Lines = std::vector<std::u16string>;

// A figure line as the word reader leaves it: g, then letter/value pairs.
MacroWords Words(int g, std::initializer_list<std::pair<char, double>> values) {
  MacroWords w;
  w.g = g;
  for (const auto& [letter, value] : values) {
    switch (letter) {
      case 'X':
        w.x = value, w.hasX = 1;
        break;
      case 'Y':
        w.y = value, w.hasY = 1;
        break;
      case 'I':
        w.i = value, w.hasI = 1;
        break;
      case 'J':
        w.j = value, w.hasJ = 1;
        break;
      case 'K':
        w.k = value, w.hasK = 1;
        break;
      case 'Q':
        w.q = value, w.hasQ = 1;
        break;
      case 'R':
        w.r = value, w.hasR = 1;
        break;
      case 'C':
        w.c = value, w.hasC = 1;
        break;
      case 'P':
        w.p = value, w.hasP = 1;
        break;
      default:
        ADD_FAILURE() << "no such word " << letter;
    }
  }
  return w;
}

// Checks the figure and, when it is valid, returns the lines that cut it.
Lines Cut(MacroWords w, FigureContext context = {}) {
  Lines out;
  EXPECT_EQ(CheckFigure(w), 0);
  EXPECT_EQ(GenerateFigure(w, context, out), 0);
  return out;
}

int Check(MacroWords w) { return CheckFigure(w); }

const MacroWords kRectangle = Words(111, {{'X', 100}, {'Y', 50}, {'I', 40}, {'J', 20}});

TEST(FigureContours, CutsARectangleWithExactStopsOnTheApproach) {
  EXPECT_EQ(Cut(kRectangle), (Lines{u"G00G01G02G03", u"G00X110.Y50.", u"G91", u"G41G09G01X10.Y0.",
                                    u"G01X0.Y10.", u"G01X-40.Y0.", u"G01X0.Y-20.", u"G01X40.Y0.",
                                    u"G01X0.Y10.", u"G90", u"G00G40"}));
}

TEST(FigureContours, RectangleCornerStopsAndNoStops) {
  EXPECT_EQ(Cut(kRectangle, {.exactStop = 1}),
            (Lines{u"G00G01G02G03", u"G00X110.Y50.", u"G91", u"G41G01X10.Y0.", u"G00",
                   u"G01X0.Y10.", u"G00", u"G01X-40.Y0.", u"G00", u"G01X0.Y-20.", u"G00",
                   u"G01X40.Y0.", u"G00", u"G01X0.Y10.", u"G90", u"G00G40"}));
  const Lines none = Cut(kRectangle, {.exactStop = 2});
  EXPECT_EQ(none[3], u"G41G01X10.Y0.");
  EXPECT_EQ(none.size(), 11u);
}

TEST(FigureContours, NegativeApproachStartsOutsideOnTheOtherSide) {
  MacroWords w = kRectangle;
  w.q = -5, w.hasQ = 1;
  const Lines out = Cut(w);
  EXPECT_EQ(out[1], u"G00X125.Y50.");
  EXPECT_EQ(out[3], u"G42G09G01X-5.Y0.");
  // Right-hand cutting swaps the sides back.
  EXPECT_EQ(Cut(w, {.cuttingDirection = 1})[3], u"G41G09G01X-5.Y0.");
  EXPECT_EQ(Cut(kRectangle, {.cuttingDirection = 1})[3], u"G42G09G01X10.Y0.");
}

TEST(FigureContours, RightHandRectangleRunsClockwise) {
  EXPECT_EQ(
      Cut(kRectangle, {.cuttingDirection = 1}),
      (Lines{u"G00G01G02G03", u"G00X110.Y50.", u"G91", u"G42G09G01X10.Y0.", u"G01X0.Y-10.",
             u"G01X-40.Y0.", u"G01X0.Y20.", u"G01X40.Y0.", u"G01X0.Y-10.", u"G90", u"G00G40"}));
}

TEST(FigureContours, IncrementalProgramsGetG91Back) {
  const Lines out =
      Cut(Words(111, {{'X', 10}, {'Y', 5}, {'I', 20}, {'J', 10}}), {.incremental = 1});
  EXPECT_EQ(out[1], u"G00X15.Y5.");  // Q defaults to half the width
  EXPECT_EQ(out[out.size() - 2], u"G91");
  EXPECT_EQ(out.back(), u"G00G40");
}

TEST(FigureContours, RoundedRectangleCornersAreArcs) {
  const Lines out = Cut(Words(111, {{'X', 0}, {'Y', 0}, {'I', 40}, {'J', 20}, {'R', 2}}));
  EXPECT_EQ(out, (Lines{u"G00G01G02G03", u"G00X10.Y0.", u"G91", u"G41G09G01X10.Y0.", u"G01X0.Y8.",
                        u"G03X-2.Y2.I-2.J0.", u"G01X-36.Y0.", u"G03X-2.Y-2.I0.J-2.", u"G01X0.Y-16.",
                        u"G03X2.Y-2.I2.J0.", u"G01X36.Y0.", u"G03X2.Y2.I0.J2.", u"G01X0.Y8.",
                        u"G90", u"G00G40"}));
  // Rounded corners get one corner stop, right after the approach.
  const Lines stopped =
      Cut(Words(111, {{'X', 0}, {'Y', 0}, {'I', 40}, {'J', 20}, {'C', 2}}), {.exactStop = 1});
  EXPECT_EQ(stopped[3], u"G41G01X10.Y0.");
  EXPECT_EQ(stopped[4], u"G00");
  EXPECT_EQ(stopped[5], u"G01X0.Y8.");
  EXPECT_EQ(stopped[6], u"G01X-2.Y2.");
}

TEST(FigureContours, CircleWithoutWidthIsTwoHalfCircles) {
  EXPECT_EQ(Cut(Words(112, {{'X', 0}, {'Y', 0}, {'I', 20}})),
            (Lines{u"G00G01G02G03", u"G00X0.Y0.", u"G91", u"G41G09G01X10.Y0.",
                   u"G03X-20.Y0.I-10.J0.", u"G03X20.Y0.I10.J0.", u"G90", u"G00G40"}));
}

TEST(FigureContours, SlotHasSemicircularEnds) {
  EXPECT_EQ(Cut(Words(112, {{'X', 0}, {'Y', 0}, {'I', 30}, {'J', 10}})),
            (Lines{u"G00G01G02G03", u"G00X10.Y0.", u"G91", u"G41G09G01X5.Y0.", u"G03X-5.Y5.I-5.J0.",
                   u"G01X-20.Y0.", u"G03X0.Y-10.I0.J-5.", u"G01X20.Y0.", u"G03X5.Y5.I0.J5.", u"G90",
                   u"G00G40"}));
}

TEST(FigureContours, CircleWithFlatsEqualToItsDiameterIsAFullCircleFromTheTop) {
  const Lines full{u"G00G01G02G03",        u"G00X0.Y0.",         u"G91", u"G41G09G01X0.Y10.",
                   u"G03X0.Y-20.I0.J-10.", u"G03X0.Y20.I0.J10.", u"G90", u"G00G40"};
  EXPECT_EQ(Cut(Words(113, {{'X', 0}, {'Y', 0}, {'I', 20}})), full);
  EXPECT_EQ(Cut(Words(113, {{'X', 0}, {'Y', 0}, {'I', 20}, {'J', 20}})), full);
}

TEST(FigureContours, CircleWithTwoFlats) {
  // Radius 5, flats at y = +-3: chord ends at x = -+4.
  EXPECT_EQ(Cut(Words(113, {{'X', 0}, {'Y', 0}, {'I', 10}, {'J', 6}, {'Q', 5}})),
            (Lines{u"G00G01G02G03", u"G00X0.Y0.", u"G91", u"G41G09G01X-4.Y3.", u"G03X0.Y-6.I4.J-3.",
                   u"G01X8.Y0.", u"G03X0.Y6.I-4.J3.", u"G01X-8.Y0.", u"G90", u"G00G40"}));
}

TEST(FigureContours, CircleWithOneFlat) {
  // J-8: the flat is 8 above the bottom, 3 above the centre of radius 5.
  EXPECT_EQ(Cut(Words(113, {{'X', 0}, {'Y', 0}, {'I', 10}, {'J', -8}, {'Q', 5}})),
            (Lines{u"G00G01G02G03", u"G00X0.Y0.", u"G91", u"G41G09G01X-4.Y3.", u"G03X8.Y0.I4.J-3.",
                   u"G01X-8.Y0.", u"G90", u"G00G40"}));
}

TEST(FigureContours, PolygonAlwaysStopsExactlyOnTheApproach) {
  const MacroWords square = Words(114, {{'X', 0}, {'Y', 0}, {'I', 10}, {'J', 4}});
  const Lines expected{u"G00X0.Y-5.", u"G91",         u"G41G09G01X0.Y-5.", u"G01X10.Y0.",
                       u"G01X0.Y20.", u"G01X-20.Y0.", u"G01X0.Y-20.",      u"G01X10.Y0.",
                       u"G90",        u"G00G40"};
  EXPECT_EQ(Cut(square), expected);
  EXPECT_EQ(Cut(square, {.exactStop = 1}), expected);
  EXPECT_EQ(Cut(square, {.exactStop = 2}), expected);
  // The sides are counted by the whole part of J.
  EXPECT_EQ(Cut(Words(114, {{'X', 0}, {'Y', 0}, {'I', 10}, {'J', 4.5}})), expected);
}

TEST(FigureContours, ArcSlotWithRoundEnds) {
  // A half ring of centre radius 10 and width 2 around (0, -10).
  const Lines out =
      Cut(Words(115, {{'X', 0}, {'Y', 0}, {'I', 180}, {'J', 2}, {'R', 10}, {'Q', 1}}));
  EXPECT_EQ(out, (Lines{u"G00X0.Y0.", u"G91", u"G41G09G01X0.Y-1.", u"G02X9.Y-9.I0.J-9.",
                        u"G03X2.Y0.I1.J0.", u"G03X-22.Y0.I-11.J0.", u"G03X2.Y0.I1.J0.",
                        u"G02X9.Y9.I9.J0.", u"G90", u"G00G40"}));
}

TEST(FigureContours, ArcSlotWithNegativeAngleSpansTheSameSlot) {
  // Negative I only marks a figure that follows a pattern.
  MacroWords negative = Words(116, {{'X', 3}, {'Y', 4}, {'I', -90}, {'J', 2}, {'R', 10}});
  MacroWords positive = negative;
  positive.i = 90;
  EXPECT_EQ(Cut(negative), Cut(positive));
  EXPECT_EQ(Cut(negative, {.patternAngle = 90}),
            Cut(Words(116, {{'X', 3}, {'Y', 4}, {'I', 90}, {'J', 2}, {'R', 10}, {'K', 90}})));
}

TEST(FigureContours, AngleTurnsEveryPointAboutThePosition) {
  MacroWords turned = kRectangle;
  turned.k = 90, turned.hasK = 1;
  EXPECT_EQ(Cut(turned), (Lines{u"G00G01G02G03", u"G00X100.Y60.", u"G91", u"G41G09G01X0.Y10.",
                                u"G01X-10.Y0.", u"G01X0.Y-40.", u"G01X20.Y0.", u"G01X0.Y40.",
                                u"G01X-10.Y0.", u"G90", u"G00G40"}));
  // Positive I ignores the pattern angle; negative I follows it.
  EXPECT_EQ(Cut(kRectangle, {.patternAngle = 90}), Cut(kRectangle));
  MacroWords follows = kRectangle;
  follows.i = -40;
  EXPECT_EQ(Cut(follows, {.patternAngle = 90}), Cut(turned));
}

TEST(FigureChecks, RectangleAndSlotLimits) {
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 21}})), -1);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', -20}})), -1);  // J takes the negative I
  EXPECT_EQ(Check(Words(112, {{'X', 0}, {'I', -20}})), -1);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', -20}, {'J', 10}})), 0);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'K', 360}})), 0);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'K', 360.001}})), -1);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'R', 4.999}})), 0);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'R', 5}})), -1);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'C', -1}})), -1);
  EXPECT_EQ(Check(Words(111, {{'X', 0}, {'I', 20}, {'J', 10}, {'R', 1}, {'C', 1}})), -1);
  EXPECT_EQ(Check(Words(112, {{'X', 0}, {'I', 20}, {'R', 1}})), -1);
  EXPECT_EQ(Check(Words(111, {{'I', 20}, {'J', 10}})), -3);
  EXPECT_EQ(Check(Words(111, {{'Y', 0}, {'I', 20}, {'J', 10}})), 0);
}

TEST(FigureChecks, FillInDefaultsWithoutMarkingThemPresent) {
  MacroWords w = Words(111, {{'X', 0}, {'I', 30}});
  ASSERT_EQ(CheckFigure(w), 0);
  EXPECT_EQ(w.j, 30);
  EXPECT_EQ(w.q, 10);
  EXPECT_EQ(w.hasJ, 0);
  EXPECT_EQ(w.hasQ, 0);
  w = Words(113, {{'X', 0}, {'I', 30}, {'J', -18}});
  ASSERT_EQ(CheckFigure(w), 0);
  EXPECT_EQ(w.q, 9);
  w = Words(114, {{'X', 0}, {'I', 15}, {'J', 5}, {'K', -370}});
  ASSERT_EQ(CheckFigure(w), 0);
  EXPECT_EQ(w.q, 7.5);
  EXPECT_EQ(w.k, -10);
  w = Words(115, {{'X', 0}, {'I', 30}, {'J', 20}, {'R', 30}, {'K', 725}});
  ASSERT_EQ(CheckFigure(w), 0);
  EXPECT_EQ(w.q, 10);
  EXPECT_EQ(w.k, 5);
}

TEST(FigureChecks, CircleWithFlatsLimits) {
  EXPECT_EQ(Check(Words(113, {{'X', 0}, {'I', 20}, {'J', -21}})), -1);
  EXPECT_EQ(Check(Words(113, {{'X', 0}, {'I', 20}, {'J', -9.9}})), -1);  // below the centre
  EXPECT_EQ(Check(Words(113, {{'X', 0}, {'I', 20}, {'J', -10}})), 0);
  EXPECT_EQ(Check(Words(113, {{'X', 0}, {'I', 20}, {'J', 10}, {'C', 1}})), -1);
}

TEST(FigureChecks, PolygonLimits) {
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}})), -1);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 2.999999}})), -1);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 3}})), 0);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 99}})), 0);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 99.000001}})), -1);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 6}, {'R', 9.99}})), 0);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 6}, {'R', 10}})), -1);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 6}, {'R', -0.000002}})), -1);
}

TEST(FigureChecks, PolygonChamferIsLimitedOnlyByTheDistanceToTheSides) {
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 4}, {'C', 9.99}})), 0);
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 4}, {'C', 10}})), -1);
  // Longer than a hexagon's half side (10 * tan 30 = 5.7735), the chamfers cross: still cut.
  EXPECT_EQ(Check(Words(114, {{'X', 0}, {'I', 10}, {'J', 6}, {'C', 5.78}})), 0);
}

TEST(FigureChecks, ArcSlotLimits) {
  const auto slot = [](double i, double j, double r) {
    return Check(Words(115, {{'X', 0}, {'I', i}, {'J', j}, {'R', r}}));
  };
  EXPECT_EQ(Check(Words(116, {{'X', 0}, {'I', 90}, {'J', 2}})), -1);  // R is required
  EXPECT_EQ(slot(360, 2, 10), 0);
  EXPECT_EQ(slot(-360, 2, 10), 0);
  EXPECT_EQ(slot(360.00001, 2, 10), -1);
  EXPECT_EQ(slot(90, 0, 10), -1);
  EXPECT_EQ(slot(90, 20, 9.999), -1);
  EXPECT_EQ(slot(90, 20, 10), 0);
  EXPECT_EQ(Check(Words(117, {{'X', 0}, {'I', 90}})), -1);
}

TEST(FigureContours, LargestPolygonFitsTheLists) {
  MacroWords w = Words(114, {{'X', 0}, {'Y', 0}, {'I', 100}, {'J', 99}, {'R', 1}});
  ASSERT_EQ(CheckFigure(w), 0);
  FigureShape shape;
  Lines out;
  ASSERT_EQ(GenerateFigure(w, {}, shape, out), 0);
  EXPECT_EQ(shape.pointCount, kFigurePointCapacity);
  EXPECT_EQ(shape.centreCount, 99);
  EXPECT_EQ(out.size(), 3u + 2 * 99 + 1 + 2);  // rapid, G91, approach, contour, closing
}

TEST(FigureContours, FigureWithValuesBeyondNcTextCutsNothing) {
  // The pierce point would need ten digits before the point.
  MacroWords w = Words(111, {{'X', 999999999}, {'Y', 0}, {'I', 20}, {'J', 10}});
  Lines out;
  EXPECT_EQ(GenerateFigure(w, {}, out), -2);
  w.x = std::nan("");
  EXPECT_EQ(GenerateFigure(w, {}, out), -2);
  EXPECT_TRUE(out.empty());
  w.x = 999999989;
  EXPECT_EQ(GenerateFigure(w, {}, out), 0);
}

TEST(FigureContours, ChordThatMissesTheCircleCutsNothing) {
  // Words that never passed the checks: the flat lies above the circle.
  MacroWords w = Words(113, {{'X', 0}, {'Y', 0}, {'I', 10}, {'J', -11}});
  Lines out{u"kept"};
  EXPECT_EQ(GenerateFigure(w, {}, out), -1);
  EXPECT_EQ(out, Lines{u"kept"});
}

}  // namespace
}  // namespace qv
