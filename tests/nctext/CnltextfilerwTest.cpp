#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "TestSupport.h"
#include "nctext/Cnltextfilerw.h"
#include "platform/Codec.h"

namespace qv {
namespace {

class TextFileTest : public ::testing::Test {
 protected:
  // Reads the whole file through the class under test; the last status must be -14.
  std::vector<std::u16string> ReadAll(std::string_view bytes) {
    test::WriteBytes(path_, bytes);
    Cnltextfilerw file;
    EXPECT_EQ(file.Open(path_, OpenMode::Read), 0);
    std::vector<std::u16string> lines;
    std::u16string line;
    int32_t status;
    while ((status = file.ReadString(line)) == 0) lines.push_back(line);
    EXPECT_EQ(status, kTextEndOfFile);
    EXPECT_TRUE(line.empty());
    EXPECT_EQ(file.ReadString(line), kTextEndOfFile);
    EXPECT_EQ(file.Close(), 0);
    return lines;
  }

  std::string WriteAll(const std::vector<std::u16string>& texts) {
    Cnltextfilerw file;
    EXPECT_EQ(file.Open(path_, OpenMode::CreateWrite), 0);
    for (const auto& text : texts) EXPECT_EQ(file.WriteString(text), 0);
    EXPECT_EQ(file.Close(), 0);
    return test::ReadBytes(path_);
  }

  test::TempDir dir_;
  std::u16string path_ = dir_.File("file.nc");
};

using Lines = std::vector<std::u16string>;

TEST_F(TextFileTest, LineEndsOfEitherKindReadAlike) {
  EXPECT_EQ(ReadAll("G90\r\nG92X0\r\n"), (Lines{u"G90", u"G92X0"}));
  EXPECT_EQ(ReadAll("G90\nG92X0\n"), (Lines{u"G90", u"G92X0"}));
  EXPECT_EQ(ReadAll("A\r\n\r\n\nB"), (Lines{u"A", u"", u"", u"B"}));
  EXPECT_EQ(ReadAll("A\rB\r\n"), (Lines{u"A\rB"}));  // a lone CR is text
}

TEST_F(TextFileTest, EmptyFileAndMissingLastLineEnd) {
  EXPECT_EQ(ReadAll(""), Lines{});
  EXPECT_EQ(ReadAll("M30"), (Lines{u"M30"}));
  EXPECT_EQ(ReadAll("\n"), (Lines{u""}));
}

TEST_F(TextFileTest, CtrlZEndsTheFile) {
  EXPECT_EQ(ReadAll("A\r\nB\x1A"
                    "C\r\nD\r\n"),
            (Lines{u"A", u"B"}));
  EXPECT_EQ(ReadAll("A\r\n\x1A\r\nD"), (Lines{u"A"}));
}

TEST_F(TextFileTest, JapaneseTextRoundTripsByteForByte) {
  const std::string bytes = "(\x83\x5C\x95\x5C\x88\xEA)\r\n\x87\x40\xFA\x40\r\n";
  const Lines lines = ReadAll(bytes);
  EXPECT_EQ(lines, (Lines{u"(ソ表一)", u"①ⅰ"}));
  EXPECT_EQ(WriteAll({lines[0] + u"\n", lines[1] + u"\n"}), bytes);
}

TEST_F(TextFileTest, WritingTurnsEveryLfIntoCrLfAndAddsNothing) {
  EXPECT_EQ(WriteAll({u"A\nB\n", u"C", u"D\n"}), "A\r\nB\r\nCD\r\n");
  EXPECT_EQ(WriteAll({}), "");
}

TEST_F(TextFileTest, BadBytesNeverStopTheFile) {
  const Lines lines = ReadAll(std::string("\x81\r\n\x00\xFF\x85\x40Z\n\x82", 10));
  EXPECT_EQ(lines, (Lines{u"\uFFFD", std::u16string(u"\0\uF8F3\uFFFDZ", 4), u"\uFFFD"}));
}

TEST_F(TextFileTest, BinaryFileReadsUpToItsFirstCtrlZ) {
  std::string bytes;
  uint32_t seed = 12345;
  for (int i = 0; i < 3 * (1 << 20); ++i) {
    seed = seed * 1103515245u + 12345u;
    const char b = static_cast<char>(seed >> 16);
    bytes.push_back(b == 0x1A ? 'x' : b);
  }
  const size_t lineEnds = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  const bool unterminated = bytes.back() != '\n';
  EXPECT_EQ(ReadAll(bytes).size(), lineEnds + (unterminated ? 1 : 0));
  bytes[bytes.size() / 2] = 0x1A;
  const size_t before =
      static_cast<size_t>(std::count(bytes.begin(), bytes.begin() + bytes.size() / 2, '\n'));
  EXPECT_LE(ReadAll(bytes).size(), before + 1);
}

TEST_F(TextFileTest, LinesLongerThanTheReadBufferComeBackWhole) {
  const std::string longLine(20 * 1024 * 1024 + 7, 'X');
  const Lines lines = ReadAll(longLine + "\r\nEND");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), longLine.size());
  EXPECT_EQ(lines[1], u"END");
}

TEST_F(TextFileTest, CrLfSplitAcrossReadBuffersIsOneLineEnd) {
  const std::string first((1 << 20) - 1, 'A');
  const Lines lines = ReadAll(first + "\r\nB\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), first.size());
  EXPECT_EQ(lines[1], u"B");
}

TEST(TextFileStatus, OperationsOnAClosedFileReportNotOpen) {
  Cnltextfilerw file;
  std::u16string line = u"kept";
  EXPECT_EQ(file.ReadString(line), kTextNotOpen);
  EXPECT_EQ(file.WriteString(u"x\n"), kTextNotOpen);
  EXPECT_EQ(file.Close(), kTextNotOpen);
  EXPECT_FALSE(file.IsOpen());
}

TEST(TextFileStatus, OpenFailuresGiveTheirCauses) {
  test::TempDir dir;
  Cnltextfilerw file;
  EXPECT_EQ(file.Open(dir.File("missing.nc"), OpenMode::Read), kTextNotFound);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.LastCause(), 2);
  EXPECT_EQ(file.Open(dir.File("no/such/dir.nc"), OpenMode::CreateWrite), kTextNotFound);
  EXPECT_EQ(file.Open(FromUtf8(dir.Path()), OpenMode::Read), kTextAccessDenied);
  EXPECT_EQ(file.Open(FromUtf8(dir.Path()), OpenMode::CreateWrite), kTextAccessDenied);
  EXPECT_EQ(file.Open(std::u16string(u"a\0b", 3), OpenMode::Read), kTextBadPath);
  test::WriteBytes(dir.File("plain"), "x");
  EXPECT_EQ(file.Open(dir.File("plain/below.nc"), OpenMode::CreateWrite), kTextBadPath);
  // A pipe without a writer or an endless device is refused at once, not waited on or read.
  ASSERT_EQ(::mkfifo((dir.Path() + "/pipe").c_str(), 0600), 0);
  EXPECT_EQ(file.Open(dir.File("pipe"), OpenMode::Read), kTextBadSeek);
  EXPECT_EQ(file.Open(u"/dev/zero", OpenMode::Read), kTextBadSeek);
  // A link planted where a file is to be written is not written through.
  test::WriteBytes(dir.File("victim"), "kept");
  std::filesystem::create_symlink(dir.Path() + "/victim", dir.Path() + "/planted");
  EXPECT_EQ(file.Open(dir.File("planted"), OpenMode::CreateWrite), kTextBadPath);
  EXPECT_EQ(test::ReadBytes(dir.File("victim")), "kept");
}

TEST(TextFileStatus, DiskFullIsReportedAndTheFileStaysOpenUntilClosed) {
  Cnltextfilerw file;
  ASSERT_EQ(file.Open(u"/dev/full", OpenMode::CreateWrite), 0);
  int32_t status = 0;
  for (int i = 0; i < 100000 && status == 0; ++i) status = file.WriteString(u"G01X10.Y10.\n");
  EXPECT_EQ(status, kTextDiskFull);
  EXPECT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Close(), kTextDiskFull);
  EXPECT_FALSE(file.IsOpen());
}

TEST(TextFileStatus, AShortWriteIsFlushedOnCloseAndFailsThere) {
  Cnltextfilerw file;
  ASSERT_EQ(file.Open(u"/dev/full", OpenMode::CreateWrite), 0);
  EXPECT_EQ(file.WriteString(u"M30\n"), 0);
  EXPECT_EQ(file.Close(), kTextDiskFull);
}

TEST(TextFileStatus, OneObjectServesSeveralFilesInTurn) {
  test::TempDir dir;
  test::WriteBytes(dir.File("a"), "A\n");
  test::WriteBytes(dir.File("b"), "B\n");
  Cnltextfilerw file;
  std::u16string line;
  ASSERT_EQ(file.Open(dir.File("a"), OpenMode::Read), 0);
  EXPECT_EQ(file.ReadString(line), 0);
  EXPECT_EQ(line, u"A");
  EXPECT_EQ(file.Close(), 0);
  ASSERT_EQ(file.Open(dir.File("b"), OpenMode::Read), 0);
  EXPECT_EQ(file.ReadString(line), 0);
  EXPECT_EQ(line, u"B");
  EXPECT_EQ(file.WriteString(u"x"), kTextGenericError);  // opened for reading
}

}  // namespace
}  // namespace qv
