// The additional special code file: ten blocks of post name, pair count and pairs.
#include <filesystem>

#include "platform/Codec.h"
#include "post/PostTestFixture.h"
#include "post/SpecialCodeFile.h"

namespace qv::test {
namespace {

const std::string kUnused = "[POST Not Use Post Data Don't Select]";

class SpecialCodeFileTest : public PostFileFixture {
 protected:
  std::u16string CodePath() const { return SystemFile(u"Quorvalen1.pst"); }
  SpecialCodeFile Codes() { return SpecialCodeFile(files_, *lines_); }

  // Blocks A (2 pairs), B (1 pair), C (0 pairs), then seven unused ones.
  void WriteSample() {
    Lines lines = {"A", "2", "G28 G27", "M00 M01", "B", "1", "T1 T101", "C", "0"};
    for (int i = 0; i < 7; ++i) lines.insert(lines.end(), {kUnused, "0"});
    WriteFile(CodePath(), lines);
  }
  static Lines Unused(int count) {
    Lines lines;
    for (int i = 0; i < count; ++i) lines.insert(lines.end(), {kUnused, "0"});
    return lines;
  }
  static Lines Cat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

TEST_F(SpecialCodeFileTest, CreateWritesTenNumberedEmptyBlocksOnlyWhenMissing) {
  SpecialCodeFile file = Codes();
  ASSERT_EQ(file.CreateSpecialCodeFile(), SpecialCodeStatus::Ok);
  Lines expected;
  for (int i = 1; i <= 10; ++i)
    expected.insert(expected.end(), {"[POST" + std::to_string(i) + "]", "0"});
  EXPECT_EQ(FileLines(CodePath()), expected);

  WriteSample();
  ASSERT_EQ(file.CreateSpecialCodeFile(), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath())[0], "A");

  // A file there but unreadable for the moment is not replaced by empty blocks.
  struct Unreadable : MemoryLineFiles {
    std::unique_ptr<LineSource> OpenRead(const std::u16string&) override { return nullptr; }
  } unreadable;
  unreadable.Put(CodePath(), {u"A", u"1", u"G28 G27"});
  EXPECT_EQ(SpecialCodeFile(files_, unreadable).CreateSpecialCodeFile(),
            SpecialCodeStatus::InitFailed);
  EXPECT_EQ(unreadable.Get(CodePath()), (MemoryLineFiles::FileLines{u"A", u"1", u"G28 G27"}));
}

TEST_F(SpecialCodeFileTest, ReadFindsThePostsPairsAndReportsEachFailure) {
  SpecialCodeFile file = Codes();
  std::vector<SpecialCodePair> pairs;
  EXPECT_EQ(file.ReadSpecialCodes(u"A", pairs), SpecialCodeStatus::InitFailed);

  WriteSample();
  ASSERT_EQ(file.ReadSpecialCodes(u"B", pairs), SpecialCodeStatus::Ok);
  EXPECT_EQ(pairs, (std::vector<SpecialCodePair>{{u"T1", u"T101"}}));
  ASSERT_EQ(file.ReadSpecialCodes(u"C", pairs), SpecialCodeStatus::Ok);
  EXPECT_TRUE(pairs.empty());
  EXPECT_EQ(file.ReadSpecialCodes(u"Z", pairs), SpecialCodeStatus::PostNotInFile);

  WriteFile(CodePath(), {"A", "3", "G28 G27"});
  EXPECT_EQ(file.ReadSpecialCodes(u"B", pairs), SpecialCodeStatus::ReadFailed);
}

TEST_F(SpecialCodeFileTest, PairLineWithoutBlankIsAllRightSide) {
  // As the conversion reads it: no blank means no text to find, so the pair does nothing.
  WriteFile(CodePath(), Cat({"A", "3", "M30", "G70 ", "X Y Z"}, Unused(9)));
  std::vector<SpecialCodePair> pairs;
  ASSERT_EQ(Codes().ReadSpecialCodes(u"A", pairs), SpecialCodeStatus::Ok);
  EXPECT_EQ(pairs, (std::vector<SpecialCodePair>{{u"", u"M30"}, {u"G70", u""}, {u"X", u"Y Z"}}));
}

TEST(SpecialCodeMessageTest, EachFailureHasItsMessage) {
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::Ok), u"");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::InitFailed), u"初期化に失敗しました");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::PostNotInFile),
            u"ポストデータが存在しませんでした");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::ReadFailed), u"データの読み込みに失敗しました");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::PostDataNotFound), u"POSTデータが見つかりません");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::WriteFailed),
            u"POSTデータの書き込みに失敗しました");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::NoPosts), u"POSTが存在しません");
  EXPECT_EQ(SpecialCodeMessage(SpecialCodeStatus::FileNotFound),
            u"追加特殊コードファイルが見つかりません");
}

TEST_F(SpecialCodeFileTest, PairsArePaddedToWholePages) {
  EXPECT_EQ(PadToPages({}).size(), 60u);
  EXPECT_EQ(PadToPages(std::vector<SpecialCodePair>(61, {u"a", u"b"})).size(), 120u);
}

TEST_F(SpecialCodeFileTest, WriteReplacesOnePostsPairsAndDropsEmptyFromTexts) {
  SpecialCodeFile file = Codes();
  EXPECT_EQ(file.WriteSpecialCodes(u"A", {}), SpecialCodeStatus::PostDataNotFound);
  WriteSample();
  ASSERT_EQ(
      file.WriteSpecialCodes(u"B", {{u"X", u"Y Z"}, {u"", u"lost"}, {u" Q", u"R"}, {u"G70", u""}}),
      SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()),
            Cat({"A", "2", "G28 G27", "M00 M01", "B", "2", "X Y Z", "G70 ", "C", "0"}, Unused(7)));
  std::vector<SpecialCodePair> pairs;
  ASSERT_EQ(file.ReadSpecialCodes(u"B", pairs), SpecialCodeStatus::Ok);
  EXPECT_EQ(pairs, (std::vector<SpecialCodePair>{{u"X", u"Y Z"}, {u"G70", u""}}));
}

TEST_F(SpecialCodeFileTest, WriteMatchesBlockNamesNotPairLines) {
  // A pair line that happens to equal a post name is not a block.
  WriteFile(CodePath(), Cat({"A", "1", "B", "B", "0"}, Unused(8)));
  SpecialCodeFile file = Codes();
  ASSERT_EQ(file.WriteSpecialCodes(u"B", {{u"1", u"2"}}), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()), Cat({"A", "1", "B", "B", "1", "1 2"}, Unused(8)));
}

TEST_F(SpecialCodeFileTest, RenameRemoveAndCopyKeepTenBlocks) {
  WriteSample();
  SpecialCodeFile file = Codes();
  ASSERT_EQ(file.RenameSpecialCodeBlock(u"B", u"B2"), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()),
            Cat({"A", "2", "G28 G27", "M00 M01", "B2", "1", "T1 T101", "C", "0"}, Unused(7)));

  ASSERT_EQ(file.RemoveSpecialCodeBlock(u"A"), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()), Cat({"B2", "1", "T1 T101", "C", "0"}, Unused(8)));

  ASSERT_EQ(file.CopySpecialCodeBlock(u"B2", u"D", 1), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()),
            Cat({"B2", "1", "T1 T101", "D", "1", "T1 T101", "C", "0"}, Unused(7)));
}

TEST_F(SpecialCodeFileTest, CopyDropsTheWholeLastBlockEvenWithPairs) {
  Lines lines = Cat({"A", "1", "x y"}, Unused(8));
  lines.insert(lines.end(), {"J", "2", "p q", "r s"});
  WriteFile(CodePath(), lines);
  SpecialCodeFile file = Codes();
  ASSERT_EQ(file.CopySpecialCodeBlock(u"A", u"A2", 0), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()), Cat({"A2", "1", "x y", "A", "1", "x y"}, Unused(8)));
}

TEST_F(SpecialCodeFileTest, SyncOrdersBlocksByThePostList) {
  SpecialCodeFile file = Codes();
  EXPECT_EQ(file.SyncSpecialCodeFile(), SpecialCodeStatus::PostDataNotFound);
  WriteFile({"Version 1.69", ""});
  EXPECT_EQ(file.SyncSpecialCodeFile(), SpecialCodeStatus::NoPosts);
  WriteFile({"Version 1.69", "\"C\" \"New Post\" \"A\""});
  EXPECT_EQ(file.SyncSpecialCodeFile(), SpecialCodeStatus::FileNotFound);

  WriteSample();
  ASSERT_EQ(file.SyncSpecialCodeFile(), SpecialCodeStatus::Ok);
  EXPECT_EQ(FileLines(CodePath()),
            Cat({"C", "0", "New Post", "0", "A", "2", "G28 G27", "M00 M01"}, Unused(7)));
}

TEST_F(SpecialCodeFileTest, FailedRewriteLeavesTheFileAsItWas) {
  UseDisk();
  WriteSample();
  const std::string before = ReadBytes(CodePath());
  std::filesystem::create_directory(ToUtf8(SystemFile(u"Temp1.dat")));
  SpecialCodeFile file = Codes();
  EXPECT_EQ(file.WriteSpecialCodes(u"A", {{u"a", u"b"}}), SpecialCodeStatus::WriteFailed);
  EXPECT_EQ(ReadBytes(CodePath()), before);
}

TEST_F(SpecialCodeFileTest, ShippedFileHasABlockForEachShippedPost) {
  UseShippedFile();
  std::filesystem::copy_file(QV_SHIPPED_DATA_DIR "/Quorvalen1.pst", ToUtf8(CodePath()));
  const std::string before = ReadBytes(CodePath());
  SpecialCodeFile file = Codes();
  ASSERT_EQ(file.SyncSpecialCodeFile(), SpecialCodeStatus::Ok);
  EXPECT_EQ(ReadBytes(CodePath()), before);
  std::vector<SpecialCodePair> pairs;
  ASSERT_EQ(file.ReadSpecialCodes(u"レーザ加工機 LX-3015", pairs), SpecialCodeStatus::Ok);
  EXPECT_EQ(pairs.size(), 2u);
}

}  // namespace
}  // namespace qv::test
