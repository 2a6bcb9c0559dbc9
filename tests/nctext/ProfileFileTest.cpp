#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"
#include "nctext/ProfileFile.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv {
namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  // Writes UTF-8 test text as code page 932 with CR LF line ends.
  void WriteIni(std::string_view utf8Lines) {
    std::string bytes;
    for (char c : EncodeCp932(FromUtf8(utf8Lines))) {
      if (c == '\n') bytes.push_back('\r');
      bytes.push_back(c);
    }
    test::WriteBytes(path_, bytes);
  }
  ProfileFile Loaded() {
    ProfileFile file(path_);
    EXPECT_EQ(file.Load(), 0);
    return file;
  }

  test::TempDir dir_;
  std::u16string path_ = dir_.File("Quorvalen.ini");
};

TEST_F(ProfileFileTest, ReadsFileWrittenByHandLikeThePlatform) {
  WriteIni(
      "; written by hand\n"
      "[Other]\n"
      "SavePost=wrong section\n"
      "[ quorvalen_data ]\n"
      "  savepost   =  \"POST A \"  \n"
      "SaveMater='SUS'\n"
      "SaveThick=\"1.0'\n"
      "SEQNO = 250\n"
      "SeqNo=999\n"
      "Debug=\n");
  ProfileFile file = Loaded();
  EXPECT_EQ(file.GetString(u"Quorvalen_Data", u"SavePost", u"x"), u"POST A ");
  EXPECT_EQ(file.GetString(u"Quorvalen_Data", u"SaveMater", u"x"), u"SUS");
  EXPECT_EQ(file.GetString(u"Quorvalen_Data", u"SaveThick", u"x"), u"\"1.0'");
  EXPECT_EQ(file.GetInt(u"Quorvalen_Data", u"SeqNo", 1000), 250);  // the first line wins
  EXPECT_EQ(file.GetInt(u"Quorvalen_Data", u"Debug", 7), 7);       // empty gives the default
  EXPECT_EQ(file.GetString(u"Quorvalen_Data", u"Missing", u"dflt"), u"dflt");
  EXPECT_EQ(file.GetString(u"Nowhere", u"SavePost", u"dflt"), u"dflt");
}

TEST_F(ProfileFileTest, ReadsIntegersAsLeadingSignAndDigits) {
  WriteIni("[S]\nA=-12abc\nB=abc\nC=+7\nD=\"42\"\nE= 3 4\nF=0x10\n");
  ProfileFile file = Loaded();
  EXPECT_EQ(file.GetInt(u"S", u"A", 5), -12);
  EXPECT_EQ(file.GetInt(u"S", u"B", 5), 0);
  EXPECT_EQ(file.GetInt(u"S", u"C", 5), 7);
  EXPECT_EQ(file.GetInt(u"S", u"D", 5), 42);
  EXPECT_EQ(file.GetInt(u"S", u"E", 5), 3);
  EXPECT_EQ(file.GetInt(u"S", u"F", 5), 0);
  EXPECT_EQ(file.GetInt(u"S", u"G", 5), 5);
}

TEST_F(ProfileFileTest, CutsValuesToTheReadersBuffer) {
  WriteIni("[S]\nName=ABCDEFGHIJ\n");
  ProfileFile file = Loaded();
  EXPECT_EQ(file.GetString(u"S", u"Name", u"", 5), u"ABCD");
  EXPECT_EQ(file.GetString(u"S", u"Missing", u"0123456789", 4), u"012");
  EXPECT_EQ(file.GetString(u"S", u"Name", u""), u"ABCDEFGHIJ");
}

TEST_F(ProfileFileTest, WritingKeepsEveryOtherLineAndAppendsWhatIsMissing) {
  WriteIni(
      "; comment\n"
      "[Dialog]\n"
      "TOP = 5\n"
      "junk line\n"
      "\n"
      "[Unknown]\n"
      "x=1\n");
  ProfileFile file = Loaded();
  file.SetInt(u"dialog", u"top", 9);
  file.SetInt(u"Dialog", u"left", 3);
  file.SetString(u"Forwarding", u"CmdName", u"");
  ASSERT_EQ(file.Save(), 0);
  EXPECT_EQ(test::ReadBytes(path_),
            "; comment\r\n[Dialog]\r\nTOP=9\r\njunk line\r\nleft=3\r\n\r\n[Unknown]\r\nx=1\r\n"
            "[Forwarding]\r\nCmdName=\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/Quorvalen.ini." +
                                       std::to_string(::getpid()) + ".tmp"));
}

// Keys added early move every later line: lookups must still find the first section of a name
// and the first key in it, and never a key of a repeated section.
TEST_F(ProfileFileTest, LookupsFollowLinesMovedByAddedKeys) {
  WriteIni("k=0\n[A]\nx=1\n[B]\ny=2\nY=3\n[a]\nz=4\n");
  ProfileFile file = Loaded();
  EXPECT_EQ(file.GetString(u"A", u"z", u"none"), u"none");
  EXPECT_EQ(file.GetString(u"", u"k", u"none"), u"none");
  for (int i = 0; i < 3; ++i) file.SetInt(u"A", Sprintf("n%d", i), i);
  file.SetInt(u"b", u"y", 5);
  file.SetInt(u"A", u"z", 6);
  file.SetInt(u"A", u"n1", 7);
  file.SetString(u"[C", u"w", u"8");
  file.SetInt(u"B", u"v", 9);
  EXPECT_EQ(file.GetInt(u"A", u"n2", -1), 2);
  ASSERT_EQ(file.Save(), 0);
  EXPECT_EQ(test::ReadBytes(path_),
            "k=0\r\n[A]\r\nx=1\r\nn0=0\r\nn1=7\r\nn2=2\r\nz=6\r\n[B]\r\ny=5\r\nY=3\r\n"
            "v=9\r\n[a]\r\nz=4\r\n[[C]\r\nw=8\r\n");
}

TEST_F(ProfileFileTest, WritesCodePage932AndDropsLineBreaksFromValues) {
  ProfileFile file(path_);
  ASSERT_EQ(file.Load(), 0);  // a missing file reads as empty
  file.SetString(u"Filter", u"Loadname", u"全てのﾌｧｲﾙ(*.*)|*.*||");
  file.SetString(u"Forwarding", u"CmdName", u"a\r\n[Quorvalen_Data]\nDebug=1");
  ASSERT_EQ(file.Save(), 0);
  EXPECT_EQ(test::ReadBytes(path_),
            "[Filter]\r\nLoadname=" + EncodeCp932(u"全てのﾌｧｲﾙ(*.*)|*.*||") +
                "\r\n[Forwarding]\r\nCmdName=a[Quorvalen_Data]Debug=1\r\n");
  ProfileFile again = Loaded();
  EXPECT_EQ(again.GetInt(u"Quorvalen_Data", u"Debug", 0), 0);
  EXPECT_EQ(again.GetString(u"Filter", u"Loadname", u""), u"全てのﾌｧｲﾙ(*.*)|*.*||");
}

// The reader trims values and drops one pair of quotes: values edged by a blank or a quote come
// back as they were written (a material "SPCC " that read back as "SPCC" was unregistered).
TEST_F(ProfileFileTest, ValuesEdgedByBlanksOrQuotesReadBackAsWritten) {
  const std::u16string values[] = {u"SPCC ", u" 1.0", u"\"%\"", u"'a'", u"x\"", u"plain"};
  ProfileFile file(path_);
  ASSERT_EQ(file.Load(), 0);
  const auto key = [](const std::u16string& value) { return u"k" + value; };
  for (const std::u16string& value : values) file.SetString(u"S", key(value), value);
  ASSERT_EQ(file.Save(), 0);
  const ProfileFile again = Loaded();
  for (const std::u16string& value : values) {
    EXPECT_EQ(again.GetString(u"S", key(value), u""), value);
  }
  EXPECT_NE(test::ReadBytes(path_).find("\r\nkplain=plain\r\n"), std::string::npos);
}

TEST_F(ProfileFileTest, AnUnreadableFileIsNotOverwritten) {
  std::filesystem::create_directory(ToUtf8(path_));
  EXPECT_NE(WriteProfileString(path_, u"S", u"K", u"v"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(ToUtf8(path_)));
}

TEST_F(ProfileFileTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kKeys = 25;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  const char16_t* section = child == 0 ? u"Child" : u"Parent";
  for (int i = 0; i < kKeys; ++i) {
    WriteProfileString(path_, section, Sprintf("K%d", i), Sprintf("%d", i));
  }
  if (child == 0) ::_exit(0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ProfileFile file = Loaded();
  for (int i = 0; i < kKeys; ++i) {
    EXPECT_EQ(file.GetInt(u"Child", Sprintf("K%d", i), -1), i);
    EXPECT_EQ(file.GetInt(u"Parent", Sprintf("K%d", i), -1), i);
  }
}

// Every conversion ends with a settings save; one that changes nothing must not rewrite.
TEST_F(ProfileFileTest, AnUpdateThatChangesNothingLeavesTheFileAsItWas) {
  test::WriteBytes(path_, "[S]\nK=1\n");
  EXPECT_EQ(WriteProfileString(path_, u"s", u"k", u"1"), 0);
  EXPECT_EQ(test::ReadBytes(path_), "[S]\nK=1\n");
  EXPECT_EQ(WriteProfileString(path_, u"S", u"K", u"2"), 0);
  EXPECT_EQ(test::ReadBytes(path_), "[S]\r\nK=2\r\n");
}

TEST_F(ProfileFileTest, FileWithAUtf8MarkReadsAsUtf8AndIsWrittenBackWithoutIt) {
  test::WriteBytes(path_, "\xEF\xBB\xBF[Quorvalen_Data]\r\nSavePost=ポスト\r\n");
  ProfileFile file = Loaded();
  EXPECT_EQ(file.GetString(u"Quorvalen_Data", u"SavePost", u"x"), u"ポスト");
  file.SetString(u"Quorvalen_Data", u"SeqNo", u"5");
  ASSERT_EQ(file.Save(), 0);
  EXPECT_EQ(test::ReadBytes(path_),
            EncodeCp932(u"[Quorvalen_Data]\r\nSavePost=ポスト\r\nSeqNo=5\r\n"));
}

}  // namespace
}  // namespace qv
