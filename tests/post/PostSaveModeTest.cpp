// Each save mode changes exactly the lines it is meant to; every test compares the whole file.
#include "platform/Codec.h"
#include "post/PostTestFixture.h"

namespace qv::test {
namespace {

const std::vector<SampleMaterial> kAlphaMaterials = {{"SPCC", {"1.0", "2.0"}}, {"SUS", {"1.5"}}};
const std::vector<SampleMaterial> kBetaMaterials = {{"AL", {"3.0"}}};

// Alpha's header is its first 119 lines; its conditions follow, 32 lines each.
constexpr size_t kHeaderLines = 1 + 1 + 2 + 1 + 6 + 28 + 80;

Lines Cat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Lines Slice(const Lines& lines, size_t from, size_t to) {
  return Lines(lines.begin() + static_cast<ptrdiff_t>(from),
               lines.begin() + static_cast<ptrdiff_t>(std::min(to, lines.size())));
}

// The lines with the one line equal to from replaced by to.
Lines With(Lines lines, const std::string& from, const std::string& to) {
  const auto it = std::find(lines.begin(), lines.end(), from);
  EXPECT_NE(it, lines.end()) << from;
  if (it != lines.end()) *it = to;
  return lines;
}

class PostSaveModeTest : public PostFileFixture {
 protected:
  void SetUp() override {
    UseDisk();
    WriteFile(Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""}, Alpha(), Beta()}));
  }
  static Lines Alpha() { return PostSectionLines("Alpha", kAlphaMaterials); }
  static Lines Beta() { return PostSectionLines("Beta Two", kBetaMaterials); }
  static Lines AlphaHeader() { return Slice(Alpha(), 0, kHeaderLines); }
  static Lines AlphaConditions() { return Slice(Alpha(), kHeaderLines, 1000); }

  void LoadSelected(const char* post, const char* material, const char* thickness) {
    ASSERT_EQ(Load(FromUtf8(post), FromUtf8(material), FromUtf8(thickness)), PostFileStatus::Ok);
    Select(FromUtf8(post), FromUtf8(material), FromUtf8(thickness));
  }

  // A condition whose every field is recognisable; its layout is deliberately wrong, as a
  // save always writes the current layout.
  void FillCondition() {
    MachiningCondition& c = store_.condition;
    c = MachiningCondition{};
    c.workChute = 1;
    c.layout.fill(7);
    c.programVariables = {u"A", u"B", u"C", u"D"};
    c.punch = {u"E1", u"E101"};
    c.marking = {u"E2", u"E201", u"E3"};
    c.longSideLimits = {u"10.", u"50.", u"300."};
    c.shapeCodes = {u"E11", u"E12", u"E13", u"E14"};
    c.lineLengthLimits = {u"3.", u"20.", u"150."};
    c.arcRadiusLimits = {u"1.5", u"10.", u"80."};
    c.elementCodes = {u"E21", u"E22", u"E23", u"E24"};
    c.autoConditionBasis = 1;
    c.workChuteCode = u"M660";
    c.workChuteMinLength = u"250.";
    c.cutSourceCondition = u"M100";
    c.conditionIsModal = 5;
  }
  static Lines FilledConditionBody() {
    return {"A",    "B",   "C",   "D",   "E1",  "E101", "E2",   "E201", "E3",  "10.", "50.",
            "300.", "E11", "E12", "E13", "E14", "3.",   "20.",  "150.", "1.5", "10.", "80.",
            "E21",  "E22", "E23", "E24", "1",   "M660", "250.", "M100", "1"};
  }
};

TEST_F(PostSaveModeTest, SaveHeaderRenamesThePostAndRewritesOnlyItsHeader) {
  LoadSelected("Alpha", "SPCC", "1.0");
  store_.post.newName = u"Alpha X";
  store_.postNames[0] = u"Alpha X";
  store_.record.headLine2 = u"G21";
  store_.record.stringCodeTo[19] = u"Z";
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  Lines alpha = With(Alpha(), "HeadPostName \"Alpha\"", "HeadPostName \"Alpha X\"");
  alpha = With(alpha, "Alpha T11", "G21");
  alpha[kHeaderLines - 1] = "Z";
  EXPECT_TRUE(
      SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha X\" \"Beta Two\""}, alpha, Beta()})));
}

TEST_F(PostSaveModeTest, SaveHeaderWithNoPostsKeepsOnlyTheVersionAndEmptyList) {
  LoadSelected("Alpha", "SPCC", "1.0");
  store_.postCount = 0;
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), (Lines{"Version 1.69", ""})));
}

TEST_F(PostSaveModeTest, SaveHeaderAlwaysRewritesEvenWithNoPosts) {
  LoadSelected("Beta Two", "AL", "3.0");
  store_.postCount = 0;
  store_.record.endPart = u"M30";
  ASSERT_EQ(Save(PostSaveMode::SaveHeaderAlways), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(),
                        Cat({{"Version 1.69", ""}, Alpha(), With(Beta(), "Beta Two T28", "M30")})));
}

TEST_F(PostSaveModeTest, EditorOkForAPostNotInTheFileAppendsItsHeader) {
  LoadSelected("Alpha", "SPCC", "1.0");
  Select(u"Gamma", u"SPCC", u"1.0");
  store_.postNames[2] = u"Gamma";
  store_.postCount = 3;
  ASSERT_EQ(Save(PostSaveMode::SaveHeaderEditorOk), PostFileStatus::Ok);
  const Lines gamma = With(AlphaHeader(), "HeadPostName \"Alpha\"", "HeadPostName \"Gamma\"");
  EXPECT_TRUE(SameLines(
      FileLines(),
      Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\" \"Gamma\""}, Alpha(), Beta(), gamma})));
}

TEST_F(PostSaveModeTest, SaveCopyPostAppendsTheCopyWithTheSourceConditions) {
  LoadSelected("Alpha", "SPCC", "1.0");
  store_.post.newName = u"Copy";
  store_.postNames[2] = u"Copy";
  store_.postCount = 3;
  ASSERT_EQ(Save(PostSaveMode::SaveCopyPost), PostFileStatus::Ok);
  const Lines copy = With(AlphaHeader(), "HeadPostName \"Alpha\"", "HeadPostName \"Copy\"");
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\" \"Copy\""},
                                          Alpha(),
                                          Beta(),
                                          copy,
                                          AlphaConditions()})));
}

TEST_F(PostSaveModeTest, SaveDeletePostDropsItsWholeSection) {
  LoadSelected("Alpha", "SPCC", "1.0");
  store_.postNames = {u"Beta Two"};
  store_.postCount = 1;
  ASSERT_EQ(Save(PostSaveMode::SaveDeletePost), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Beta Two\""}, Beta()})));

  // Deleting the last post leaves the version line and an empty list.
  LoadSelected("Beta Two", "AL", "3.0");
  store_.postNames = {};
  store_.postCount = 0;
  ASSERT_EQ(Save(PostSaveMode::SaveDeletePost), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), (Lines{"Version 1.69", ""})));
}

TEST_F(PostSaveModeTest, SaveAddConditionAppendsTheStoreConditionToThePost) {
  LoadSelected("Alpha", "SUS", "1.5");
  store_.thicknessNames[1][1] = u"2.5";
  store_.thickness.newName = u"2.5";
  FillCondition();
  ASSERT_EQ(Save(PostSaveMode::SaveAddCondition), PostFileStatus::Ok);
  const Lines added = Cat(
      {{"HeadManuCond \"SUS\" \"2.5\" 1 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0"}, FilledConditionBody()});
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""},
                                          With(AlphaHeader(), "\"1.5\"", "\"1.5\" \"2.5\""),
                                          AlphaConditions(),
                                          added,
                                          Beta()})));
}

TEST_F(PostSaveModeTest, SaveRenameMaterialKeepsEachConditionsOwnValues) {
  // The first condition carries its own work chute 0 and a reserved value of 5.
  Lines alpha = Alpha();
  const std::string spcc10 = "HeadManuCond \"SPCC\" \"1.0\" 0 4 2 3 3 4 3 3 4 1 0 0 0 0 0 5";
  alpha = With(alpha, "HeadManuCond \"SPCC\" \"1.0\" 0 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0", spcc10);
  WriteFile(Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""}, alpha, Beta()}));
  LoadSelected("Alpha", "SPCC", "2.0");
  store_.materialNames[0] = u"SPHC";
  store_.material.newName = u"SPHC";
  store_.thicknessNames[0][1] = u"2.3";
  store_.thickness.newName = u"2.3";
  store_.condition.workChute = 0;
  store_.condition.layout.fill(9);
  ASSERT_EQ(Save(PostSaveMode::SaveRenameMaterial), PostFileStatus::Ok);

  alpha = With(alpha, "\"SPCC\" \"SUS\"", "\"SPHC\" \"SUS\"");
  alpha = With(alpha, "\"1.0\" \"2.0\"", "\"1.0\" \"2.3\"");
  alpha = With(alpha, spcc10, "HeadManuCond \"SPHC\" \"1.0\" 0 4 2 3 3 4 3 3 4 1 0 0 0 0 0 5");
  alpha = With(alpha, "HeadManuCond \"SPCC\" \"2.0\" 1 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0",
               "HeadManuCond \"SPHC\" \"2.3\" 1 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0");
  EXPECT_TRUE(
      SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""}, alpha, Beta()})));
}

TEST_F(PostSaveModeTest, SaveDeleteConditionDropsOnlyThatCondition) {
  LoadSelected("Alpha", "SPCC", "2.0");
  store_.thicknessNames[0][1].clear();
  ASSERT_EQ(Save(PostSaveMode::SaveDeleteCondition), PostFileStatus::Ok);
  const Lines conditions = AlphaConditions();
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""},
                                          With(AlphaHeader(), "\"1.0\" \"2.0\"", "\"1.0\""),
                                          Slice(conditions, 0, 32),
                                          Slice(conditions, 64, 96),
                                          Beta()})));
}

TEST_F(PostSaveModeTest, SaveReplaceConditionRewritesThatConditionInPlace) {
  LoadSelected("Alpha", "SPCC", "2.0");
  store_.thicknessNames[0][1] = u"2.3";
  store_.thickness.newName = u"2.3";
  FillCondition();
  ASSERT_EQ(Save(PostSaveMode::SaveReplaceCondition), PostFileStatus::Ok);
  const Lines conditions = AlphaConditions();
  const Lines replaced = Cat(
      {{"HeadManuCond \"SPCC\" \"2.3\" 1 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0"}, FilledConditionBody()});
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""},
                                          With(AlphaHeader(), "\"1.0\" \"2.0\"", "\"1.0\" \"2.3\""),
                                          Slice(conditions, 0, 32),
                                          replaced,
                                          Slice(conditions, 64, 96),
                                          Beta()})));
}

TEST_F(PostSaveModeTest, SaveReplaceConditionAddsNothingForAnAbsentCondition) {
  LoadSelected("Beta Two", "AL", "3.0");
  Select(u"Beta Two", u"AL", u"9.9");
  FillCondition();
  ASSERT_EQ(Save(PostSaveMode::SaveReplaceCondition), PostFileStatus::Ok);
  EXPECT_TRUE(
      SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""}, Alpha(), Beta()})));
}

TEST_F(PostSaveModeTest, SaveLoadedPostSavesUnderTheLastLoadedName) {
  LoadSelected("Beta Two", "AL", "3.0");
  store_.record.endPart = u"M30";
  CNcPostFile file = PostFile();
  file.SetPostNames(u"Alpha", u"Alpha");
  ASSERT_EQ(file.Save(PostSaveMode::SaveLoadedPost), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""},
                                          Alpha(),
                                          With(Beta(), "Beta Two T28", "M30")})));
}

// A run or close with a typed, unregistered post name writes no section for it: one would hide
// the section the post gets when it is added under that name later.
TEST_F(PostSaveModeTest, SaveHeaderForAnUnregisteredPostKeepsEverySectionAsItWas) {
  LoadSelected("Alpha", "SPCC", "1.0");
  Select(u"Typed", u"SPCC", u"1.0");
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  const Lines unchanged = Cat({{"Version 1.69", "\"Alpha\" \"Beta Two\""}, Alpha(), Beta()});
  EXPECT_TRUE(SameLines(FileLines(), unchanged));

  Select(u"Alpha", u"SPCC", u"1.0");
  store_.post.newName = u"Typed";
  store_.postNames[2] = u"Typed";
  store_.postCount = 3;
  ASSERT_EQ(Save(PostSaveMode::SaveCopyPost), PostFileStatus::Ok);
  ASSERT_EQ(Load(u"Typed", u"SPCC", u"1.0"), PostFileStatus::Ok);
  EXPECT_EQ(store_.condition.punch, (std::array<std::u16string, 2>{u"SPCC/1.0/5", u"SPCC/1.0/6"}));
}

// A line break pasted into a field must not shift every later line of the file.
TEST_F(PostSaveModeTest, ALineBreakInAFieldStaysInItsLine) {
  LoadSelected("Alpha", "SPCC", "1.0");
  const std::u16string second = store_.record.lineCodeFrom[1];
  store_.record.lineCodeFrom[0] = u"G00X1.\nM30";
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  LoadSelected("Alpha", "SPCC", "1.0");
  EXPECT_EQ(store_.record.lineCodeFrom[0], u"G00X1.M30");
  EXPECT_EQ(store_.record.lineCodeFrom[1], second);
}

TEST_F(PostSaveModeTest, UnknownModeLeavesTheFileAlone) {
  constexpr auto kUnnamedMode = static_cast<PostSaveMode>(7);
  LoadSelected("Alpha", "SPCC", "1.0");
  const std::string before = ReadBytes(PostPath());
  EXPECT_EQ(Save(kUnnamedMode), PostFileStatus::Failed);
  EXPECT_EQ(ReadBytes(PostPath()), before);
}

}  // namespace
}  // namespace qv::test
