#include <gtest/gtest.h>

#include "preview/Cncdatadraw.h"
#include "preview/ColourTable.h"
#include "preview/SvgCanvas.h"

namespace qv {
namespace {

struct FitCase {
  Extents extents;
  int32_t width;
  int32_t height;
  ViewFit expected;
};

TEST(ViewFitTest, FitsAreasAndExtentsAsWorkedOutByHand) {
  const FitCase cases[] = {
      {{0, 0, 100, 100}, 210, 210, {0.5, 5, 205}},
      {{0, 0, 10, 200}, 210, 210, {1, 100, 205}},      // tall: by height, centred in X
      {{0, 50, 200, 50}, 210, 110, {1, 5, 105}},       // flat: height from the area's shape
      {{1e9, 1e9, -1e9, -1e9}, 110, 60, {2, 55, 30}},  // never set: 100 x 100 about 0
      {{0, 0, 1, 1}, 5, 5, {100, 2, 2}},               // no room: usable size 0.01
      {{-300, -100, -100, 100}, 410, 210, {1, 405, 105}},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(FitExtents(c.extents, c.width, c.height), c.expected)
        << c.extents.minX << " " << c.extents.minY << " " << c.width << "x" << c.height;
  }
}

class CncdatadrawTest : public ::testing::Test {
 protected:
  int32_t DrawProgram(std::vector<std::u16string> lines, int32_t size = 210) {
    draw.SetLineSource(FixedLineSource(std::move(lines)));
    return draw.Draw(svg, false, size, size);
  }
  Cncdatadraw draw;
  SvgCanvas svg;
};

TEST_F(CncdatadrawTest, SinglePointIsWidenedToTwentyByTwenty) {
  EXPECT_EQ(DrawProgram({u"G90G00X50.Y50."}), 0);
  EXPECT_EQ(draw.DrawExtents(), (Extents{40, 40, 60, 60}));
  EXPECT_DOUBLE_EQ(draw.Scale(), 0.1);
  EXPECT_EQ(draw.ToPixel({50, 50}), (PixelPoint{105, 105}));
}

TEST_F(CncdatadrawTest, TallNarrowPartIsScaledByItsHeightAndCentred) {
  DrawProgram({u"G90G00X0Y0", u"G01X10.Y200."});
  EXPECT_DOUBLE_EQ(draw.Scale(), 1.0);
  EXPECT_EQ(draw.ToPixel({5, 100}), (PixelPoint{105, 105}));
  EXPECT_EQ(draw.ToPixel({5, 200}), (PixelPoint{105, 5}));
}

TEST_F(CncdatadrawTest, ValuesWithoutPointAreDividedByTheUnitFactor) {
  const double expected[] = {10, 1, 0.1, 0.01, 0.01};
  for (int32_t index = 0; index < 5; ++index) {
    draw.SetDecimalIndex(index);
    DrawProgram({u"G90G00X0Y0", u"G01X100Y0", u"G01X100.Y0"});
    ASSERT_EQ(draw.Path().Segments().size(), 2u);
    EXPECT_DOUBLE_EQ(draw.Path().Segments()[0].end.x, expected[index]) << index;
    EXPECT_DOUBLE_EQ(draw.Path().Segments()[1].end.x, 100.0);
  }
}

TEST_F(CncdatadrawTest, NothingToDrawGivesMinusOneAndOnlyTheBackground) {
  EXPECT_EQ(DrawProgram({}), -1);
  EXPECT_EQ(DrawProgram({u"(ONLY A COMMENT)", u"M30"}), -1);
  EXPECT_EQ(svg.Document().find("<line"), std::string::npos);
}

TEST_F(CncdatadrawTest, HostileValuesAndZoomsStayInRange) {
  EXPECT_EQ(DrawProgram({u"G90G00X0Y0", u"G01Xnan", u"G01X1e999.Y-9999999999999.",
                         u"G01Xinf.Y99999999999999999999"}),
            0);
  // "e" ends a value: X1e999. reads as X1, a tenth.
  EXPECT_EQ(draw.DrawExtents(), (Extents{0, -99999999, 0.1, 99999999}));
  draw.Zoom(-kFittedScaleIndex, {0, 0});
  draw.Pan(2'000'000'000, 2'000'000'000);
  EXPECT_LE(draw.OriginX(), 2'000'000'000);
  EXPECT_EQ(draw.Draw(svg, true, 210, 210), 0);
}

TEST_F(CncdatadrawTest, ZoomKeepsThePointUnderTheCursorAndRepaintsKeepTheView) {
  DrawProgram({u"G90G00X0Y0", u"G01X100.Y100."});
  const PixelPoint cursor{55, 105};
  const Point under = draw.ToProgram(cursor);
  draw.Zoom(-2, cursor);
  EXPECT_EQ(draw.ScaleIndex(), 48);
  EXPECT_DOUBLE_EQ(draw.Scale(), 0.5 / 1.25 / 1.25);
  EXPECT_NEAR(draw.ToPixel(under).x, cursor.x, 0.5);
  EXPECT_NEAR(draw.ToPixel(under).y, cursor.y, 0.5);
  draw.Pan(10, -4);
  const int32_t x = draw.OriginX();
  draw.Draw(svg, true, 210, 210);
  EXPECT_EQ(draw.OriginX(), x);
  EXPECT_EQ(draw.ScaleIndex(), 48);
  draw.Zoom(-500, cursor);
  EXPECT_EQ(draw.ScaleIndex(), 0);
  draw.Draw(svg, false, 210, 210);  // from scratch: fitted again
  EXPECT_EQ(draw.ScaleIndex(), kFittedScaleIndex);
  EXPECT_EQ(draw.OriginX(), 5);
}

TEST_F(CncdatadrawTest, SettingsChooseColoursAndAnEmptyPenDrawsNothing) {
  EXPECT_EQ(ColourOf(13), (Rgb{192, 0, 192}));
  EXPECT_EQ(ColourOf(21), (Rgb{128, 128, 128}));
  EXPECT_EQ(ColourOf(22), (Rgb{64, 0, 0}));
  EXPECT_EQ(ColourOf(32), std::nullopt);
  draw.SetSettings({0, 7, 40, 1});
  DrawProgram({u"G90G00X0Y0", u"G01X10.", u"G00X0Y10."});
  const std::string document = svg.Document();
  EXPECT_NE(document.find("fill=\"#ffffff\""), std::string::npos);
  EXPECT_NE(document.find("stroke=\"#ff0000\" stroke-dasharray"), std::string::npos);
  EXPECT_EQ(document.find("<line", document.find("<line") + 1), std::string::npos);
}

}  // namespace
}  // namespace qv
