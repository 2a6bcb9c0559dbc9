#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "macro/FigureMoveText.h"
#include "nctext/NcWords.h"

namespace qv {
namespace {

constexpr auto kLine = ContourStep::Kind::Line;

TEST(FigureMoveText, EachIncrementIsTheExactDifferencePrintedOnItsOwn) {
  // Rounded on their own, end and centre leave radii of 8.886 and 8.885: printed as they are.
  EXPECT_EQ(MoveText({0, 0}, {ContourStep::Kind::CounterClockwise, {17.7714, 0}, {8.8857, 0}}),
            u"G03X17.771Y0.I8.886J0.");
  // The next move starts at the exact end, not where the printed text got to.
  EXPECT_EQ(MoveText({17.7714, 0}, {kLine, {20, 0}, {}}), u"G01X2.229Y0.");
  EXPECT_EQ(MoveText({0.0004, 0}, {kLine, {0.0008, 0}, {}}), u"G01X0.Y0.");
  EXPECT_EQ(MoveText({10, 0}, {ContourStep::Kind::Clockwise, {0, 10}, {0, 0}}),
            u"G02X-10.Y10.I-10.J0.");
  EXPECT_EQ(CoordinateText({614.9044, -0.0006}), u"X614.904Y-0.001");
}

TEST(FigureMoveText, ZeroResiduesPrintAsZeroButSmallNegativesKeepTheirSign) {
  EXPECT_EQ(MoveText({0, 0}, {kLine, {-1e-15, 5}, {}}), u"G01X0.Y5.");
  EXPECT_EQ(MoveText({0, 5}, {kLine, {-0.0004, 10}, {}}), u"G01X-0.Y5.");
}

TEST(FigureMoveText, PrintsLinesExactlyAsFormatNcNumberDoes) {
  const double values[] = {0.0009,         12.5,          12,     -0.25,  -0.0004,
                           0.0005,         -0.0005,       2.0004, 1.2345, -1.2355,
                           999999999.9994, -123456.78951, 7.0995, 0.1,    -10};
  for (double v : values) {
    EXPECT_EQ(MoveText({0, 0}, {kLine, {v, -v}, {}}),
              u"G01X" + *FormatNcNumber(v, 3) + u"Y" + *FormatNcNumber(-v, 3));
  }
  unsigned seed = 12345;
  for (int n = 0; n < 20000; ++n) {
    seed = seed * 1103515245u + 12345u;
    const double v = (static_cast<int>(seed >> 8) % 2000001 - 1000000) / 7919.0;
    ASSERT_EQ(MoveText({0, 0}, {kLine, {v, 0}, {}}), u"G01X" + *FormatNcNumber(v, 3) + u"Y0.") << v;
  }
}

}  // namespace
}  // namespace qv
