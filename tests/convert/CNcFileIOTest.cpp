#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "convert/CNcFileIO.h"
#include "convert/FileFilterList.h"

namespace qv::test {
namespace {

using Lines = std::vector<std::u16string>;

class CNcFileIOTest : public ::testing::Test {
 protected:
  CNcFileIOTest() {
    settings_.loadFilter = settings_.saveFilter = DefaultFileFilter();
    settings_.loadFilePath = u"/Start/In";
    settings_.saveFilePath = u"/Start/Out";
  }

  CNcFileIO Io(NcFileStart start = NcFileStart::Operator) {
    return CNcFileIO({ui_, settings_, state_, source_, output_, lastRunConverted_, 2, start,
                      dir_.File("Host.nc"), outPath_});
  }

  // Input set 2 (the selected post's) with one entry of every rule form.
  void FillInputSet() {
    const std::vector<TableEntry> rows = {
        {u"M08", u"M07"},       {u"F?", u"unused"}, {u"G04=M99", u""}, {u"N1;X", u""},
        {u"G92\\T1\\G00", u""}, {u"\"%\"", u"O1"},  {u"G01_X_Z", u""}};
    for (size_t row = 0; row < rows.size(); ++row) {
      settings_.inputConversionB[2 * kConversionRows + row] = rows[row].from;
      settings_.inputConversionA[2 * kConversionRows + row] = rows[row].to;
    }
  }

  ScriptedInteraction ui_;
  TempDir dir_;
  Settings settings_;
  NcFileState state_;
  Lines source_ = {u"old"};
  Lines output_ = {u"old output"};
  int32_t lastRunConverted_ = 1;
  std::u16string outPath_ = dir_.File("Out.nc");
};

constexpr char kProgram[] =
    "%\r\n(PART_A)\r\nN1G00\r\nX10.M08\r\nG04X1.\r\nM99\r\nG92X0Y0T1\r\nG01F100X1.\r\nG00X2.\r\n%"
    "\r\n";

TEST_F(CNcFileIOTest, InputReadsThroughTheSelectedInputSetInItsOrderOfUse) {
  FillInputSet();
  settings_.extRNo = 3;
  const std::u16string path = dir_.File("Part.Nc");
  WriteBytes(path, kProgram);
  ui_.choices.push_back(FileChoice{path, 7});

  ASSERT_EQ(Io().InputNcFile(), 0);
  EXPECT_EQ(ui_.dialogs, (std::vector<FileDialog>{{FileDialogKind::Open, u"/Start/In", u"",
                                                   ParseFilterList(DefaultFileFilter()), 3}}));
  EXPECT_EQ(source_, (Lines{u"O1", u"(PART", u"N1G00X10.M07", u"", u"", u"", u"G92X0Y0", u"Z1.",
                            u"T1G00X2.", u"O1"}));
  EXPECT_TRUE(output_.empty());
  EXPECT_EQ(settings_.loadFilePath, dir_.File(""));
  EXPECT_EQ(settings_.extRNo, 7);
  EXPECT_EQ(state_.currentInputPath, path);
  EXPECT_EQ(state_.inputFileName, u"Part.Nc");
  EXPECT_EQ(lastRunConverted_, 0);
  EXPECT_EQ(ui_.waitDepth, 0);
  EXPECT_EQ(ui_.waitCount, 1);

  // String-only conversion: the working table stays marked, so only its per-line rules run.
  settings_.conversionType = 1;
  ASSERT_EQ(Io().LoadNcFile(u""), 0);
  EXPECT_EQ(source_, (Lines{u"%", u"(PART_A)", u"N1G00", u"X10.M07", u"G04X1.", u"M99",
                            u"G92X0Y0T1", u"G01X1.", u"G00X2.", u"%"}));
}

TEST_F(CNcFileIOTest, FailedOrCancelledInputKeepsTheProgram) {
  const std::u16string missing = dir_.File("Missing.NC");
  ui_.choices.push_back(FileChoice{missing, 1});
  EXPECT_EQ(Io().InputNcFile(), -1);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"NCファイルの読み込みに失敗しました。\n[" + missing + u"]");
  EXPECT_EQ(source_, Lines{u"old"});
  EXPECT_EQ(settings_.loadFilePath, u"/Start/In");
  EXPECT_EQ(lastRunConverted_, 1);

  ui_.choices.push_back(std::nullopt);
  EXPECT_EQ(Io().InputNcFile(), -1);
  EXPECT_EQ(lastRunConverted_, 0);
  EXPECT_EQ(ui_.messages.size(), 1u);

  // The host's path needs no dialog; without an input set nothing is converted but "_" runs.
  WriteBytes(dir_.File("Host.nc"), kProgram);
  ASSERT_EQ(Io(NcFileStart::Host).InputNcFile(), 0);
  EXPECT_EQ(ui_.dialogs.size(), 2u);
  EXPECT_EQ(source_[1], u"(PART");
  EXPECT_EQ(source_[3], u"X10.M08");
}

// Each limit refuses the file whole, with its reason, and keeps the program read before.
TEST_F(CNcFileIOTest, InputBeyondItsLimitsIsRefusedWithTheReason) {
  const std::u16string path = dir_.File("Host.nc");
  const std::string row = "G00X1.Y1.\r\n";
  std::string lines;
  for (size_t i = 0; i < 1000000; ++i) lines += row;
  const struct {
    std::string bytes;
    int32_t status;
    const char16_t* reason;
  } cases[] = {
      {std::string(10u << 20, 'X') + "\r\n", kNcFileLineTooLong, u"4096 文字を超える行があります"},
      {lines, kNcFileTooManyLines, u"行数が 200000 行を超えています"},
      {"", kNcFileTooLarge, u"ファイルが 64 MB を超えています"},
      {"", kNcFileNotPlain, u"通常のファイルではありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    WriteBytes(path, c.bytes);
    if (c.status == kNcFileTooLarge) std::filesystem::resize_file(ToUtf8(path), 1ull << 30);
    if (c.status == kNcFileNotPlain) {
      std::filesystem::remove(ToUtf8(path));
      ASSERT_EQ(::mkfifo(ToUtf8(path).c_str(), 0600), 0);  // no writer: a read would wait forever
    }
    ui_.messages.clear();
    EXPECT_EQ(Io(NcFileStart::Host).InputNcFile(), c.status);
    EXPECT_EQ(source_, Lines{u"old"});
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, u"NCファイルを読み込めません（" + std::u16string(c.reason) +
                                        u"）。\n[" + path + u"]");
  }
  // Just within the limits the file is read.
  std::filesystem::remove(ToUtf8(path));
  WriteBytes(path, std::string(kMaxNcLineLength, 'X') + "\r\n" +
                       lines.substr(0, (kMaxNcLines - 1) * row.size()));
  EXPECT_EQ(Io(NcFileStart::Host).InputNcFile(), 0);
  EXPECT_EQ(source_.size(), kMaxNcLines);
}

TEST_F(CNcFileIOTest, OutputAsksBeforeOverwritingAndLeavesTheMarkerLinesOut) {
  output_ = {u"G01X1.", u"[CUT-FIG-CONDITION]", u"G00"};
  state_.inputFileName = u"PART.V2.NC";
  WriteBytes(outPath_, "old");
  ui_.choices.push_back(FileChoice{outPath_, 1});
  ui_.answers.push_back(Answer::No);
  EXPECT_EQ(Io().OutputNcFile(), -1);
  EXPECT_EQ(ui_.dialogs[0].fileName, u"PART");
  EXPECT_EQ(ui_.dialogs[0].folder, u"/Start/Out");
  ASSERT_EQ(ui_.questions.size(), 1u);
  EXPECT_EQ(ui_.questions[0].text, outPath_ + u"は既に存在します。\n上書きしますか？");
  EXPECT_EQ(ReadBytes(outPath_), "old");
  EXPECT_EQ(settings_.saveFilePath, u"/Start/Out");

  settings_.debug = 1;
  ui_.choices.push_back(FileChoice{outPath_, 7});
  ui_.answers.push_back(Answer::Yes);
  EXPECT_EQ(Io().OutputNcFile(), 0);
  EXPECT_EQ(ReadBytes(outPath_), "G01X1.\r\nG00\r\n");
  EXPECT_EQ(settings_.saveFilePath, FromUtf8(dir_.Path()));
  EXPECT_EQ(settings_.extWNo, 7);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, u"debug mode　ＮＣ出力\n\n出力　[ " + outPath_ + u" ]");
}

TEST_F(CNcFileIOTest, AutomaticOutputOverwritesSilentlyAndAFailedWriteChangesNothing) {
  output_ = {u"G00"};
  WriteBytes(outPath_, "old");
  EXPECT_EQ(Io(NcFileStart::Automatic).OutputNcFile(), 0);
  EXPECT_EQ(ReadBytes(outPath_), "G00\r\n");
  EXPECT_TRUE(ui_.questions.empty());

  outPath_.clear();
  EXPECT_EQ(Io(NcFileStart::Automatic).OutputNcFile(), 0);

  const std::u16string before = settings_.saveFilePath;
  outPath_ = dir_.File("no-folder/Out.nc");
  EXPECT_EQ(Io(NcFileStart::Automatic).OutputNcFile(), -1);
  EXPECT_EQ(settings_.saveFilePath, before);
}

TEST_F(CNcFileIOTest, AKilledWriterLeavesTheOldOrTheNewOutput) {
  const Lines first(20000, u"G01X100.Y200.");
  const Lines second(30000, u"G00X1.");
  output_ = first;
  ASSERT_EQ(Io(NcFileStart::Automatic).OutputNcFile(), 0);
  const std::string firstBytes = ReadBytes(outPath_);
  output_ = second;
  ASSERT_EQ(Io(NcFileStart::Automatic).OutputNcFile(), 0);
  const std::string secondBytes = ReadBytes(outPath_);

  for (const int delayMs : {1, 5, 20, 60, 150}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0;; ++i) {
        output_ = i % 2 == 0 ? first : second;
        if (Io(NcFileStart::Automatic).OutputNcFile() != 0) ::_exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child's writes failed";
    const std::string now = ReadBytes(outPath_);
    EXPECT_TRUE(now == firstBytes || now == secondBytes) << "after " << delayMs << " ms";
  }
}

}  // namespace
}  // namespace qv::test
