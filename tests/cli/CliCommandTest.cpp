#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/CliCommand.h"
#include "platform/Codec.h"

namespace qv {
namespace {

using Args = std::vector<std::string>;

std::optional<CliArguments> Parse(const Args& args, std::string* error = nullptr) {
  std::string message;
  auto parsed = ParseCliArguments(args, message);
  if (error != nullptr) *error = message;
  return parsed;
}

TEST(CliArgumentsTest, ReadsCommandFileAndOptionsInAnyOrder) {
  const auto parsed = Parse(
      {"--decimal", "3", "expand", "in.nc", "--exact-stop=2", "-o", "out.nc", "--cutter", "1"});
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, (CliArguments{CliCommandKind::Expand, "in.nc", "out.nc", {3, 2, 1}}));
  EXPECT_EQ(*Parse({"check", "a.nc"}),
            (CliArguments{CliCommandKind::Check, "a.nc", "", {0, 0, 0}}));
  EXPECT_EQ(Parse({"check", "a.nc", "--help"})->command, CliCommandKind::Help);
}

TEST(CliArgumentsTest, RefusesWrongArgumentsWithAReason) {
  const std::vector<std::pair<Args, std::string>> cases{
      {{}, "no command given"},
      {{"convert", "a.nc"}, "unknown command convert"},
      {{"check"}, "no input file given"},
      {{"check", "a.nc", "b.nc"}, "more than one input file given"},
      {{"check", "a.nc", "--decimal", "4"}, "--decimal takes a number from 0 to 3"},
      {{"check", "a.nc", "--exact-stop=-1"}, "--exact-stop takes a number from 0 to 2"},
      {{"check", "a.nc", "--cutter", "01"}, "--cutter takes a number from 0 to 1"},
      {{"check", "a.nc", "--cutter"}, "option --cutter needs a value"},
      {{"check", "a.nc", "--fast"}, "unknown option --fast"},
      {{"check", "a.nc", "--fast=1"}, "unknown option --fast"},
      {{"expand", "a.nc", "-o="}, "option -o needs a file name"},
      {{"check", "a.nc", "-o", "b.nc"}, "option -o belongs to expand"},
  };
  for (const auto& [args, message] : cases) {
    std::string error;
    EXPECT_FALSE(Parse(args, &error)) << message;
    EXPECT_EQ(error, message);
  }
}

class CliRunTest : public ::testing::Test {
 protected:
  int Run(const Args& args) {
    out.str("");
    err.str("");
    return RunCli(args, out, err);
  }
  std::string Input(std::string_view name, std::string_view text) {
    const std::u16string path = dir.File(name);
    test::WriteBytes(path, text);
    return ToUtf8(path);
  }

  test::TempDir dir;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(CliRunTest, CheckListsUnconvertibleLinesThenWarningsAndExitsOne) {
  const std::string in =
      Input("a.nc", EncodeCp932(u"(穴あけ)\r\nG150X1.\r\nG126X0Y0I5.K2\r\nX1.2.3\r\n"));
  EXPECT_EQ(Run({"check", in}), kCliUnconvertible);
  EXPECT_EQ(out.str(),
            "     2    G150X1.\n"
            "     4    X1.2.3\n"
            "Warnings: macro lines that produce no moves:\n"
            "     3    G126X0Y0I5.K2\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(CliRunTest, CheckGivesTheReasonOfARefusalThatTheLineDoesNotShow) {
  const std::string in =
      Input("a.nc", "G111I10.J10.\r\nG126X0Y0I50.K90000\r\nG111X0Y0I9.\rG126I20.K4\r\n");
  EXPECT_EQ(Run({"check", in}), kCliUnconvertible);
  EXPECT_EQ(out.str(),
            "     2    G126X0Y0I50.K90000\n"
            "     3    G111X0Y0I9.\rG126I20.K4\n"
            "line 2: the expansion would produce more than 500000 lines in all\n"
            "line 3: the line holds a control character (lone CR line ends make the file one "
            "line)\n");
}

TEST_F(CliRunTest, CheckOfACleanProgramPrintsNothingAndExitsZero) {
  const std::string in = Input("a.nc", "G90\r\nG00X1.Y2.\r\nM30\r\n");
  EXPECT_EQ(Run({"check", in}), kCliOk);
  EXPECT_EQ(out.str(), "");
  // Warnings alone do not change the exit code.
  const std::string warned = Input("b.nc", "G128I5.K2\n");
  EXPECT_EQ(Run({"check", warned}), kCliOk);
  EXPECT_EQ(out.str(), "Warnings: macro lines that produce no moves:\n     1    G128I5.K2\n");
}

TEST_F(CliRunTest, UnreadableInputGivesAMessageAndExitTwo) {
  const std::string missing = ToUtf8(dir.File("none.nc"));
  EXPECT_EQ(Run({"check", missing}), kCliFailure);
  EXPECT_EQ(err.str(), "quorvalen-cli: cannot read " + missing + ": no such file or folder\n");
  EXPECT_EQ(Run({"expand", dir.Path()}), kCliFailure);
  EXPECT_NE(err.str().find("cannot read " + dir.Path()), std::string::npos);
  EXPECT_EQ(Run({"check", "/dev/zero"}), kCliFailure);
  EXPECT_NE(err.str().find("cannot read /dev/zero: not a plain file"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

// The paths reach the conversion through the settings file: one it would change (a character
// outside code page 932) is refused, never read from or written to another file.
TEST_F(CliRunTest, ConvertRefusesAPathTheSettingsFileWouldChange) {
  const std::string out = ToUtf8(dir.File("out.nc"));
  EXPECT_EQ(Run({"convert", Input("café.nc", "G90\r\n"), "-o", out}), kCliFailure);
  EXPECT_NE(err.str().find("cannot be passed on"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliRunTest, ExpandWritesCodePage932WithCrLfToStandardOutput) {
  const std::string in =
      Input("a.nc", EncodeCp932(u"(穴)\nG68R90.\nM98P7\nM30\nO7\nG01X10.Y0\nM99\n"));
  EXPECT_EQ(Run({"expand", in}), kCliUnconvertible);  // the G68 line itself stays unconvertible
  EXPECT_EQ(out.str(), EncodeCp932(u"(穴)\r\nG68R90.\r\nG01X0.Y10.\r\nM30\r\nO7\r\nG01X10.Y0\r\n"
                                   u"M99\r\n"));
  EXPECT_EQ(err.str(), "Unconvertible lines (left unchanged):\n     2    G68R90.\n");
}

TEST_F(CliRunTest, ExpandWritesTheOutputFileAndReadsTheOptions) {
  const std::string in = Input("a.nc", "G68R90.\nM98P7\nO7\nG01X1000Y0\nM99\n");
  const std::u16string outPath = dir.File("out.nc");
  EXPECT_EQ(Run({"expand", in, "-o", ToUtf8(outPath), "--decimal", "2"}), kCliUnconvertible);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(test::ReadBytes(outPath), "G68R90.\r\nG01X0.Y1.\r\nO7\r\nG01X1000Y0\r\nM99\r\n");
}

TEST_F(CliRunTest, ExpandToAnUnwritablePlaceExitsTwo) {
  const std::string in = Input("a.nc", "M30\n");
  const std::string out = dir.Path() + "/no/such/dir/out.nc";
  EXPECT_EQ(Run({"expand", in, "-o", out}), kCliFailure);
  EXPECT_EQ(err.str(), "quorvalen-cli: cannot write " + out + ": no such file or folder\n");
}

// A write that fails half-way (here at a file size limit) must leave the old file whole, even
// when -o names the input itself; once it can be written the input is replaced by its expansion.
TEST_F(CliRunTest, ExpandOverTheInputReplacesItWholeOrNotAtAll) {
  std::string program = "G68R90.\nM98P7\n";
  for (int k = 0; k < 400; ++k) program += "G00X10.Y0\n";
  program += "O7\nG01X10.Y0\nM99\n";
  const std::string in = Input("a.nc", program);
  ASSERT_EQ(Run({"expand", in}), kCliUnconvertible);
  const std::string expanded = out.str();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 1000;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const int failed = Run({"expand", in, "-o", in});
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(failed, kCliFailure);
  EXPECT_EQ(err.str(),
            "quorvalen-cli: cannot write " + in + ": no room left (disk full or file too large)\n");
  EXPECT_EQ(test::ReadBytes(FromUtf8(in)), program);
  const auto files = std::filesystem::directory_iterator(dir.Path());
  EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no scratch file left behind

  EXPECT_EQ(Run({"expand", in, "-o", in}), kCliUnconvertible);
  EXPECT_EQ(test::ReadBytes(FromUtf8(in)), expanded);
  EXPECT_EQ(expanded.rfind("G68R90.\r\nG01X0.Y10.\r\n", 0), 0u);
}

TEST_F(CliRunTest, HelpAndUsageErrors) {
  EXPECT_EQ(Run({"--help"}), kCliOk);
  EXPECT_EQ(out.str(), CliHelpText());
  EXPECT_NE(out.str().find("--exact-stop N"), std::string::npos);
  EXPECT_EQ(Run({"check"}), kCliFailure);
  EXPECT_EQ(err.str(), "quorvalen-cli: no input file given\nTry 'quorvalen-cli --help'.\n");
}

}  // namespace
}  // namespace qv
