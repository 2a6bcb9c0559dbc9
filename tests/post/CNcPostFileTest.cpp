// Loading the post file into the store, and mode-0 saves reproducing the file byte for byte.
#include <algorithm>
#include <filesystem>

#include "platform/Codec.h"
#include "platform/FileReplace.h"
#include "post/PostTestFixture.h"

namespace qv::test {
namespace {

const std::u16string kCombo = u"複合機 PL-3015";
const std::u16string kLaser = u"レーザ加工機 LX-3015";

class PostLoadTest : public PostFileFixture {
 protected:
  // Loads post, material and thickness, then saves with mode 0 under the same names.
  void LoadAndSaveHeader(const std::u16string& post, const std::u16string& material,
                         const std::u16string& thickness) {
    EXPECT_EQ(Load(post, material, thickness), PostFileStatus::Ok);
    Select(post, material, thickness);
    EXPECT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  }
};

TEST_F(PostLoadTest, ShippedFileLoadsItsPostsRecordAndCondition) {
  UseShippedFile();
  CNcPostFile file = PostFile();
  file.SetPostNames(kCombo, kCombo);
  file.SetMaterialNames(u"SUS304", u"SUS304");
  file.SetThicknessNames(u"1.5", u"1.5");
  ASSERT_EQ(file.Load(PostLoadMode::StartUp), PostFileStatus::Ok);

  EXPECT_EQ(file.FileVersion(), u"1.69");
  EXPECT_EQ(store_.postCount, 2);
  EXPECT_EQ(store_.postNames[1], kLaser);
  EXPECT_EQ(store_.materialCount, 3);
  EXPECT_EQ(store_.materialNames[2], u"AL5052");
  EXPECT_EQ(store_.thicknessNames[0][2], u"2.3");
  EXPECT_EQ(ThicknessCountOf(store_, 1), 2);
  EXPECT_EQ(file.SelectedMaterial(), 1);
  EXPECT_EQ(file.SelectedThickness(), 1);

  const PostRecord& r = store_.record;
  EXPECT_EQ(r.decimalIndex, 2);
  EXPECT_EQ(r.deleteAfterM30, 1);
  EXPECT_EQ(r.skipSameCondition, 1);
  EXPECT_EQ(r.breakUpSubprograms, 0);
  EXPECT_EQ(r.sequenceCode, u"N");
  EXPECT_EQ(r.sequenceNumber, 10);
  EXPECT_EQ(r.comment, u"サンプル加工");
  EXPECT_EQ(r.headLine1b, u"O1000(サンプル加工)");
  EXPECT_EQ(r.cutConditionMarker, u"[CUT-FIG-CONDITION]");
  EXPECT_EQ(r.endPart, u"G50");
  EXPECT_EQ(r.lineCodeFrom[1], u"G28");
  EXPECT_EQ(r.lineCodeTo[1], u"G27");
  EXPECT_EQ(r.stringCodeTo[0], u"T2");
  EXPECT_EQ(r.stringCodeFrom[1], u"M8");
  EXPECT_EQ(r.stringCodeFrom[2], u"");

  const MachiningCondition& c = store_.condition;
  EXPECT_EQ(c.workChute, 1);
  EXPECT_EQ(c.layout, kDefaultLayout);
  EXPECT_EQ(c.programVariables[0], u"1500");
  EXPECT_EQ(c.punch[1], u"M12E5");
  EXPECT_EQ(c.elementCodes[3], u"E155");
  EXPECT_EQ(c.autoConditionBasis, 1);
  EXPECT_EQ(c.workChuteMinLength, u"250.");
  EXPECT_EQ(c.conditionIsModal, 1);
}

TEST_F(PostLoadTest, Mode0SaveReproducesTheShippedFileForEveryPost) {
  UseShippedFile();
  const std::string original = ReadBytes(PostPath());
  LoadAndSaveHeader(kCombo, u"SPCC", u"1.6");
  EXPECT_EQ(ReadBytes(PostPath()), original);
  LoadAndSaveHeader(kLaser, u"SS400", u"12.0");
  EXPECT_EQ(ReadBytes(PostPath()), original);
}

TEST_F(PostLoadTest, Mode0SaveReproducesAFullCapacityFile) {
  const Lines lines = FullCapacityPostFileLines();
  ASSERT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("HeadManuCond", 0) == 0; }),
            6000);
  const MemoryLineFiles::FileLines original = Utf16(lines);
  memory_.Put(PostPath(), original);
  const std::u16string longName = FromUtf8(std::string(38, 'X') + "材質");
  for (const char* post : {"Post 1", "Post 6", "Post 10"}) {
    LoadAndSaveHeader(FromUtf8(post), longName, u"20.0");
    EXPECT_TRUE(memory_.Get(PostPath()) == original) << post;
  }
  EXPECT_EQ(store_.materialCount, 30);
  EXPECT_EQ(store_.materialNames[29], longName);
  EXPECT_EQ(store_.thicknessCount, 20);
  EXPECT_EQ(store_.condition.programVariables[0], longName + u"/20.0/1");
  EXPECT_EQ(store_.condition.cutSourceCondition, longName + u"/20.0/30");
}

TEST_F(PostLoadTest, EmptyNamesSelectTheFirstMaterialAndThickness) {
  WriteFile(PostFileLines({{"P", {{"SPCC", {"1.0", "2.0"}}, {"SUS", {"1.5"}}}}}));
  ASSERT_EQ(Load(u"P"), PostFileStatus::Ok);
  EXPECT_EQ(store_.material, (NamePair{u"SPCC", u"SPCC"}));
  EXPECT_EQ(store_.thickness, (NamePair{u"1.0", u"1.0"}));
  EXPECT_EQ(store_.condition.programVariables[1], u"SPCC/1.0/2");
  // The count is the last thickness line's, whichever material is selected.
  EXPECT_EQ(store_.thicknessCount, 1);
}

TEST_F(PostLoadTest, AbsentConditionEmptiesTheStoreAndTakesTheLastWorkChute) {
  // Work chutes of the sample alternate 0, 1, 0: the last condition header has 0.
  WriteFile(PostFileLines({{"P", {{"SPCC", {"1.0", "2.0", "3.0"}}}}, {"Q", {{"AL", {"1"}}}}}));
  store_.condition.workChute = 1;
  store_.condition.punch[0] = u"old";
  store_.condition.conditionIsModal = 1;
  ASSERT_EQ(Load(u"P", u"SPCC", u"9.9"), PostFileStatus::Ok);
  EXPECT_EQ(store_.condition.punch[0], u"");
  EXPECT_EQ(store_.condition.workChute, 0);
  EXPECT_EQ(store_.condition.conditionIsModal, 1);
}

TEST_F(PostLoadTest, UnknownPostLoadsOnlyTheNameList) {
  WriteFile(PostFileLines({{"P", {{"SPCC", {"1.0"}}}}}));
  store_.record.comment = u"kept";
  ASSERT_EQ(Load(u"Nobody", u"SPCC", u"1.0"), PostFileStatus::Ok);
  EXPECT_EQ(store_.postCount, 1);
  EXPECT_EQ(store_.record.comment, u"kept");
  // A list-only mode reads nothing after the name list even for a known post.
  ASSERT_EQ(Load(u"P", u"SPCC", u"1.0", PostLoadMode::NamesOnly), PostFileStatus::Ok);
  EXPECT_EQ(store_.record.comment, u"kept");
}

TEST_F(PostLoadTest, MissingFileIsCreatedEmptyAndVersionOnlyFileHasNoPosts) {
  store_.postCount = 3;
  ASSERT_EQ(Load(u"P"), PostFileStatus::Ok);
  EXPECT_EQ(store_.postCount, 0);
  EXPECT_TRUE(memory_.Has(PostPath()));
  WriteFile({"Version 1.69", ""});
  store_.postCount = 3;
  ASSERT_EQ(Load(u"P"), PostFileStatus::Ok);
  EXPECT_EQ(store_.postCount, 0);
}

TEST_F(PostLoadTest, SaveWithoutAPostFileCreatesAnEmptyOneAndFails) {
  store_.postCount = 1;
  store_.postNames[0] = u"P";
  Select(u"P", u"", u"");
  EXPECT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Failed);
  EXPECT_TRUE(memory_.Has(PostPath()));
  EXPECT_EQ(FileLines(), Lines());
}

// Memory files that exist but cannot be opened for reading, as after a transient error.
class UnreadableFiles : public MemoryLineFiles {
 public:
  std::unique_ptr<LineSource> OpenRead(const std::u16string&) override { return nullptr; }
};

TEST_F(PostLoadTest, AnExistingFileThatCannotBeReadIsNeverEmptied) {
  UnreadableFiles unreadable;
  const MemoryLineFiles::FileLines original = {u"Version 1.69", u"\"P\""};
  unreadable.Put(PostPath(), original);
  lines_ = &unreadable;
  EXPECT_EQ(Load(u"P"), PostFileStatus::Failed);
  store_.postCount = 1;
  store_.postNames[0] = u"P";
  Select(u"P", u"", u"");
  EXPECT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Failed);
  EXPECT_EQ(unreadable.Get(PostPath()), original);
}

TEST_F(PostLoadTest, OversizedListsFillTheTablesAndKeepTheFollowingLinesInStep) {
  std::vector<SampleMaterial> materials;
  std::vector<std::string> thicknesses;
  for (int t = 1; t <= 22; ++t) thicknesses.push_back(std::to_string(t));
  for (int m = 1; m <= 32; ++m) materials.push_back({"M" + std::to_string(m), {"1"}});
  materials[1].second = thicknesses;
  std::vector<std::pair<std::string, std::vector<SampleMaterial>>> posts;
  for (int p = 1; p <= 12; ++p) posts.push_back({"P" + std::to_string(p), {{"A", {"1"}}}});
  posts[11].second = materials;
  Lines lines = PostFileLines(posts);
  WriteFile(lines);

  ASSERT_EQ(Load(u"P12", u"M2", u"22"), PostFileStatus::Ok);
  EXPECT_EQ(store_.postCount, 10);
  EXPECT_EQ(store_.materialCount, 30);
  EXPECT_EQ(store_.materialNames[29], u"M30");
  EXPECT_EQ(ThicknessCountOf(store_, 1), 20);
  EXPECT_EQ(store_.thicknessNames[1][19], u"20");
  EXPECT_EQ(store_.record.headLine1a, u"P12 T9");
  // The condition exists in the file although its thickness did not fit the table.
  EXPECT_EQ(store_.condition.punch[0], u"M2/22/5");
}

TEST_F(PostLoadTest, NamesLongerThanFortyAreCut) {
  const std::string longName = std::string(39, 'A') + "BC";
  WriteFile(PostFileLines({{"P", {{longName, {longName}}}}}));
  ASSERT_EQ(Load(u"P", u"x", u"x"), PostFileStatus::Ok);
  EXPECT_EQ(store_.materialNames[0], FromUtf8(std::string(39, 'A') + "B"));
  EXPECT_EQ(store_.thicknessNames[0][0].size(), 40u);
}

TEST_F(PostLoadTest, TenRowSpecialCodeListsAreWidenedToTwenty) {
  Lines lines = PostFileLines({{"P", {{"SPCC", {"1.0"}}}}});
  lines[5] = "HeadPostCond 0 10 10 1 2 3 0 1 0 1 0 1";
  for (int i = 0; i < 19; ++i) lines[5] += " 0";
  // Keep rows 1 to 10 of each list: drop rows 11 to 20.
  const size_t firstRow = 5 + 1 + 6 + 28;
  for (int list = 3; list >= 0; --list) {
    const auto from = lines.begin() + static_cast<ptrdiff_t>(firstRow + 20 * list + 10);
    lines.erase(from, from + 10);
  }
  WriteFile(lines);
  store_.record.lineCodeFrom[15] = u"stale";
  ASSERT_EQ(Load(u"P", u"SPCC", u"1.0"), PostFileStatus::Ok);
  EXPECT_EQ(store_.record.lineCodeFrom[0], u"P LF1");
  EXPECT_EQ(store_.record.lineCodeFrom[15], u"");
  EXPECT_EQ(store_.record.stringCodeTo[1], u"P ST2");
  EXPECT_EQ(store_.record.fromRowCount, 20);
  EXPECT_EQ(store_.condition.elementCodes[0], u"SPCC/1.0/23");
}

TEST_F(PostLoadTest, TruncatedOrMalformedDataReportsFailure) {
  const Lines lines = PostFileLines({{"P", {{"SPCC", {"1.0"}}}}});
  WriteFile(Lines(lines.begin(), lines.begin() + 30));  // inside the templates
  EXPECT_EQ(Load(u"P", u"SPCC", u"1.0"), PostFileStatus::Failed);
  WriteFile(Lines(lines.begin(), lines.end() - 3));  // inside the condition
  EXPECT_EQ(Load(u"P", u"SPCC", u"1.0"), PostFileStatus::Failed);

  Lines oversized = lines;
  const size_t header = lines.size() - 32;
  oversized[header] = "HeadManuCond \"SPCC\" \"1.0\" 0 9 2 3 3 4 3 3 4 1 0 0 0 0 0 0";
  WriteFile(oversized);
  EXPECT_EQ(Load(u"P", u"SPCC", u"1.0"), PostFileStatus::Failed);
  oversized[header] = "HeadManuCond \"SPCC\" \"1.0\" 0 4 2 3 3 4 3 3 -1 1 0 0 0 0 0 0";
  WriteFile(oversized);
  EXPECT_EQ(Load(u"P", u"SPCC", u"1.0"), PostFileStatus::Failed);
}

TEST_F(PostLoadTest, ShorterGroupsAndNoBasisLineAreReadByTheirLayout) {
  Lines lines = {"Version 1.69", "\"P\"", "HeadPostName \"P\"", "\"S\"", "\"1\""};
  const Lines section = PostSectionLines("P", {});
  lines.insert(lines.end(), section.begin() + 3, section.end());
  lines.push_back("HeadManuCond \"S\" \"1\" 1 1 2 3 3 4 3 3 4 0 0 0 0 0 0 0");
  for (int row = 1; row <= 26; ++row) lines.push_back("r" + std::to_string(row));
  lines.push_back("7");
  WriteFile(lines);
  store_.condition.autoConditionBasis = 1;
  ASSERT_EQ(Load(u"P", u"S", u"1"), PostFileStatus::Ok);
  const MachiningCondition& c = store_.condition;
  EXPECT_EQ(c.programVariables[0], u"r1");
  EXPECT_EQ(c.programVariables[1], u"");
  EXPECT_EQ(c.punch[0], u"r2");
  EXPECT_EQ(c.elementCodes[3], u"r23");
  EXPECT_EQ(c.autoConditionBasis, 0);
  EXPECT_EQ(c.workChuteCode, u"r24");
  EXPECT_EQ(c.cutSourceCondition, u"r26");
  EXPECT_EQ(c.conditionIsModal, 1);
}

}  // namespace
}  // namespace qv::test
