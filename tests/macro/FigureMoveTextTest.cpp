#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "TestSupport.h"
#include "macro/FigureMoveText.h"
#include "nctext/NcWords.h"
#include "platform/Codec.h"

namespace qv {
namespace {

TEST(FigureMoveText, IncrementsFollowThePrintedPositionSoRoundingDoesNotAddUp) {
  FigureMoveText text({0.0004, 0});
  EXPECT_EQ(text.RapidCoordinates(), u"X0.Y0.");
  // Each step is 0.0004 long; printing each alone as 0 would leave the tool behind.
  EXPECT_EQ(text.LineTo({0.0008, 0}), u"G01X0.001Y0.");
  EXPECT_EQ(text.LineTo({0.0012, 0}), u"G01X0.Y0.");
  EXPECT_EQ(text.LineTo({0.0016, 0}), u"G01X0.001Y0.");
}

TEST(FigureMoveText, ZeroResiduesPrintAsZeroButSmallNegativesKeepTheirSign) {
  FigureMoveText text({0, 0});
  EXPECT_EQ(text.LineTo({-1e-15, 5}), u"G01X0.Y5.");
  EXPECT_EQ(text.LineTo({-0.0004, 10}), u"G01X-0.Y5.");
}

TEST(FigureMoveText, PrintsLinesExactlyAsFormatNcNumberDoes) {
  const double values[] = {0.0009,         12.5,          12,     -0.25,  -0.0004,
                           0.0005,         -0.0005,       2.0004, 1.2345, -1.2355,
                           999999999.9994, -123456.78951, 7.0995, 0.1,    -10};
  for (double v : values) {
    FigureMoveText text({0, 0});
    EXPECT_EQ(text.LineTo({v, -v}), u"G01X" + FormatNcNumber(v, 3) + u"Y" + FormatNcNumber(-v, 3));
  }
  unsigned seed = 12345;
  for (int n = 0; n < 20000; ++n) {
    seed = seed * 1103515245u + 12345u;
    const double v = (static_cast<int>(seed >> 8) % 2000001 - 1000000) / 7919.0;
    FigureMoveText text({0, 0});
    ASSERT_EQ(text.LineTo({v, 0}), u"G01X" + FormatNcNumber(v, 3) + u"Y0.") << v;
  }
}

TEST(FigureMoveText, ArcsOnTheGridKeepTheirExactText) {
  FigureMoveText text({10, 0});
  EXPECT_EQ(text.ArcTo(false, {-10, 0}, {0, 0}), u"G03X-20.Y0.I-10.J0.");
  EXPECT_EQ(text.ArcTo(true, {0, 10}, {0, 0}), u"G02X10.Y10.I10.J0.");
}

// Start and end distances from the centre of a printed arc "G0?X..Y..I..J..".
double Mismatch(const std::u16string& arc) {
  double x, y, i, j;
  EXPECT_EQ(std::sscanf(ToUtf8(arc).c_str() + 3, "X%lfY%lfI%lfJ%lf", &x, &y, &i, &j), 4);
  return std::fabs(std::hypot(i, j) - std::hypot(x - i, y - j));
}

TEST(FigureMoveText, HalfCircleWithAnOddChordMovesItsEndToKeepTheRadius) {
  // Rounded plainly, the centre 8.8855 gives radii 8.886 and 8.885.
  FigureMoveText text({0, 0});
  const std::u16string arc = text.ArcTo(false, {17.771, 0}, {8.8855, 0});
  EXPECT_EQ(arc, u"G03X17.77Y0.I8.885J0.");
  EXPECT_LT(Mismatch(arc), 1e-9);
  // The next move makes up for the shortened arc.
  EXPECT_EQ(text.LineTo({20, 0}), u"G01X2.23Y0.");
}

TEST(FigureMoveText, TurnedArcsAgreeWithinTwoTenThousandths) {
  for (double degrees = 0.5; degrees < 360; degrees += 7.3) {
    const double a = degrees * kPi / 180;
    const Point centre{12.3456 * std::cos(a), 12.3456 * std::sin(a)};
    const Point end{2 * centre.x, 2 * centre.y};
    FigureMoveText text({0, 0});
    const std::u16string arc = text.ArcTo(true, end, centre);
    EXPECT_LE(Mismatch(arc), 0.0002 + 1e-9) << ToUtf8(arc);
  }
}

TEST(FigureMoveText, ArcsAFewThousandthsAcrossKeepALengthAndTheirWayRound) {
  // Corner arcs of radius 0.0025 turning through 3.9 degrees: their chords round to nothing,
  // and an arc printed without length would be read as a whole circle.
  const double a = 3.9 * kPi / 180;
  for (double turn = 0; turn < 360; turn += 11) {
    const double t = turn * kPi / 180;
    const Point centre{0.0025 * std::cos(t + kPi / 2), 0.0025 * std::sin(t + kPi / 2)};
    const Point end{centre.x + 0.0025 * std::cos(t - kPi / 2 + a),
                    centre.y + 0.0025 * std::sin(t - kPi / 2 + a)};
    FigureMoveText text({0, 0});
    const std::u16string arc = text.ArcTo(false, end, centre);
    double x, y, i, j;
    ASSERT_EQ(std::sscanf(ToUtf8(arc).c_str(), "G03X%lfY%lfI%lfJ%lf", &x, &y, &i, &j), 4);
    EXPECT_TRUE(x != 0 || y != 0) << ToUtf8(arc);
    EXPECT_LE(Mismatch(arc), 0.0002 + 1e-9) << ToUtf8(arc);
    // Counter-clockwise the short way: the end lies to the left of the start about the centre.
    EXPECT_GT((-i) * (y - j) - (-j) * (x - i), 0) << ToUtf8(arc);
  }
}

TEST(FigureMoveText, ClosingArcLandsOnTheStartWithEqualRadii) {
  // Two half circles about the origin from P to -P and back, turned through many angles:
  // the second arc must end exactly where the first began.
  for (double degrees = 0.25; degrees < 360; degrees += 3.7) {
    const double a = degrees * kPi / 180;
    const Point p{8.8855 * std::cos(a), 8.8855 * std::sin(a)};
    FigureMoveText text(p);
    const std::vector<std::u16string> lines =
        text.Contour({{ContourStep::Kind::CounterClockwise, {-p.x, -p.y}, {0, 0}},
                      {ContourStep::Kind::CounterClockwise, p, {0, 0}}});
    ASSERT_EQ(lines.size(), 2u);
    double x1, y1, x2, y2, i, j;
    ASSERT_EQ(std::sscanf(ToUtf8(lines[0]).c_str(), "G03X%lfY%lfI%lfJ%lf", &x1, &y1, &i, &j), 4);
    ASSERT_EQ(std::sscanf(ToUtf8(lines[1]).c_str(), "G03X%lfY%lfI%lfJ%lf", &x2, &y2, &i, &j), 4);
    EXPECT_NEAR(x1 + x2, 0, 1e-9) << degrees;
    EXPECT_NEAR(y1 + y2, 0, 1e-9) << degrees;
    EXPECT_LE(Mismatch(lines[0]), 0.0002 + 1e-9) << ToUtf8(lines[0]);
    EXPECT_LE(Mismatch(lines[1]), 0.0002 + 1e-9) << ToUtf8(lines[1]);
  }
}

}  // namespace
}  // namespace qv
