#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "preview/Cncdatadraw.h"
#include "preview/PreviewHelpers.h"
#include "preview/SvgCanvas.h"

namespace qv {
namespace {

// Each case folder holds program.nc, the drawing expected in a 210 x 210 area (expected.svg)
// and NOTE.md with the hand working of its coordinates.
const std::string kCaseRoot = std::string(QV_TEST_DATA_DIR) + "/preview/";

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class GoldenDrawingTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenDrawingTest, DrawsTheHandWorkedSvg) {
  const std::string folder = kCaseRoot + GetParam() + "/";
  const std::vector<std::u16string> program = test::ReadNcFile(folder + "program.nc");
  ASSERT_FALSE(program.empty()) << folder;
  Cncdatadraw draw;
  draw.SetLineSource(FixedLineSource(program));
  SvgCanvas svg;
  EXPECT_EQ(draw.Draw(svg, false, 210, 210), 0);
  EXPECT_EQ(svg.Document(), ReadBytes(folder + "expected.svg"));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenDrawingTest,
                         ::testing::Values("lines", "arcs", "full-circle", "subprogram-twice",
                                           "pattern-memory", "figure-g111", "pattern-g126"));

}  // namespace
}  // namespace qv
