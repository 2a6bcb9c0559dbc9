#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/CliCommand.h"
#include "cli/RenderCommand.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(RenderArgumentsTest, RefusesWrongArgumentsWithAReason) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"a.nc"}, "render needs -o OUT.svg or -o OUT.png"},
      {{"a.nc", "-o", "a.pdf"}, "render needs -o OUT.svg or -o OUT.png"},
      {{"-o", "a.svg"}, "no input file given"},
      {{"a.nc", "-o", "a.svg", "--size", "800"}, "--size takes WxH, each from 16 to 20000"},
      {{"a.nc", "-o", "a.svg", "--size", "8x600"}, "--size takes WxH, each from 16 to 20000"},
      {{"a.nc", "-o", "a.svg", "--home", "h"}, "--home belongs to --converted"},
      {{"a.nc", "b.nc", "-o", "a.svg"}, "more than one input file given"},
  };
  for (const auto& [args, message] : cases) {
    std::string error;
    EXPECT_FALSE(ParseRenderArguments(args, error));
    EXPECT_EQ(error, message);
  }
  std::string error;
  const auto parsed = ParseRenderArguments(
      {"--converted", "a.nc", "--size", "300x200", "-o", "b.png", "--home", "h"}, error);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, (RenderArguments{"a.nc", "b.png", 300, 200, 0, true, "h"}));
}

class RenderRunTest : public ::testing::Test {
 protected:
  int Run(const std::vector<std::string>& args) { return RunCli(args, out, err); }
  test::TempDir dir;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(RenderRunTest, WritesTheSvgThePreviewDraws) {
  const std::string golden = std::string(QV_TEST_DATA_DIR) + "/preview/arcs/";
  const std::string svg = dir.Path() + "/arcs.svg";
  EXPECT_EQ(Run({"render", golden + "program.nc", "-o", svg, "--size", "210x210"}), 0);
  EXPECT_EQ(ReadBytes(svg), ReadBytes(golden + "expected.svg"));
  EXPECT_EQ(out.str(), svg + ": 2 pieces drawn\n");
  // A pipe is never written to (it would wait for a reader for ever), and nothing is left over.
  const std::string pipe = dir.Path() + "/pipe.svg";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(Run({"render", golden + "program.nc", "-o", pipe}), 2);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
  // Nor is a file written through a link planted at the drawing's scratch name.
  test::WriteBytes(dir.File("victim"), "kept");
  fs::create_symlink(dir.Path() + "/victim", svg + "." + std::to_string(::getpid()) + ".tmp");
  EXPECT_EQ(Run({"render", golden + "program.nc", "-o", svg}), 2);
  EXPECT_EQ(ReadBytes(dir.Path() + "/victim"), "kept");
}

TEST_F(RenderRunTest, ConvertedDrawsTheOutputOfTheConversion) {
  const std::string home = fs::path(QV_SHIPPED_DATA_DIR).parent_path().string();
  const std::string sample = fs::path(home).parent_path().string() + "/samples/sample1.nc";
  const std::string svg = dir.Path() + "/converted.svg";
  ASSERT_EQ(Run({"render", sample, "--converted", "--home", home, "-o", svg}), 0) << err.str();
  EXPECT_NE(ReadBytes(svg).find("<line"), std::string::npos);
  EXPECT_EQ(Run({"render", dir.Path() + "/missing.nc", "-o", svg}), 2);
  EXPECT_EQ(err.str(),
            "quorvalen-cli: cannot read " + dir.Path() + "/missing.nc: no such file or folder\n");
}

}  // namespace
}  // namespace qv
