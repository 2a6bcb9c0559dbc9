// Upgrading post files of older versions to the current layout, step by step.
#include <filesystem>

#include "platform/Codec.h"
#include "post/PostTestFixture.h"

namespace qv::test {
namespace {

// What a section of a given version holds, and how the upgrade fills the gaps.
struct Shape {
  bool zeroVersion = false;      // "HeadPostCond m f t", no sequence lines, 10-row line codes only
  bool subprogramLines = true;   // M98 P O M99 after HeadPostCond
  bool stringCodeRows = true;    // the 40 string-code rows (false: absent)
  bool blankStringRows = false;  // the string-code rows present but empty
  bool fullConditions = true;    // 31 condition lines (false: 29)
  bool blankConditionTail = false;  // lines 30 and 31 present but empty
};

Lines Section(const std::string& post, const std::vector<SampleMaterial>& materials,
              const Shape& s) {
  const Lines sample = PostSectionLines(post, materials);
  const size_t cond = 1 + 1 + std::max<size_t>(materials.size(), 1);
  Lines lines(sample.begin(), sample.begin() + static_cast<ptrdiff_t>(cond));
  lines.push_back(s.zeroVersion ? "HeadPostCond 0 10 10" : sample[cond]);
  if (s.subprogramLines) lines.insert(lines.end(), {"M98", "P", "O", "M99"});
  if (!s.zeroVersion) lines.insert(lines.end(), {"N", "10"});
  for (int t = 1; t <= 28; ++t) lines.push_back(post + " T" + std::to_string(t));
  const size_t rows = cond + 1 + 6 + 28;
  const int codeRows = s.zeroVersion ? 10 : 20;
  for (int list = 0; list < 4; ++list) {
    for (int row = 0; row < codeRows; ++row) {
      std::string line = sample[rows + 20 * static_cast<size_t>(list) + static_cast<size_t>(row)];
      if (list >= 2 && s.blankStringRows) line.clear();
      if (list < 2 || s.stringCodeRows) lines.push_back(line);
    }
  }
  for (size_t i = rows + 80; i < sample.size(); i += 32) {
    for (size_t k = 0; k < 32; ++k) {
      if (k >= 30 && !s.fullConditions) continue;
      lines.push_back(k >= 30 && s.blankConditionTail ? std::string() : sample[i + k]);
    }
  }
  return lines;
}

const std::vector<SampleMaterial> kFirst = {{"SPCC", {"1.0", "2.0"}}, {"SUS", {"1.5"}}};
const std::vector<SampleMaterial> kLast = {{"AL", {"3.0"}}};

class PostUpgradeTest : public PostFileFixture {
 protected:
  // A file of three posts, the middle one without conditions.
  static Lines File(const std::string& version, const Shape& shape) {
    return Cat({{"Version " + version, "\"First\" \"Empty\" \"Last\""},
                Section("First", kFirst, shape),
                Section("Empty", {}, shape),
                Section("Last", kLast, shape)});
  }
  static Lines Cat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }
  PostFileStatus Upgrade() {
    CNcPostFile file = PostFile();
    return file.UpgradePostFile();
  }
};

// A blank after the number (a hand-edited file) must not make "1.69 " read as version 0.69,
// whose upgrade steps would rebuild a current file into a broken one.
TEST_F(PostUpgradeTest, Version169IsLeftUnchanged) {
  for (const char* version : {"1.69", "1.69 "}) {
    WriteFile(File(version, {}));
    ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
    EXPECT_TRUE(SameLines(FileLines(), File(version, {}))) << '"' << version << '"';
  }
}

TEST_F(PostUpgradeTest, Version150GainsTwoEmptyLinesPerCondition) {
  WriteFile(File("1.50", {.fullConditions = false}));
  ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), File("1.69", {.blankConditionTail = true})));
}

TEST_F(PostUpgradeTest, Version123AlsoGainsTheSubprogramLines) {
  WriteFile(File("1.23", {.subprogramLines = false, .fullConditions = false}));
  ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), File("1.69", {.blankConditionTail = true})));
}

TEST_F(PostUpgradeTest, Version117AlsoGainsStringCodeRowsInEveryHeader) {
  WriteFile(
      File("1.17", {.subprogramLines = false, .stringCodeRows = false, .fullConditions = false}));
  ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
  // The post without conditions gets its rows too, not the post after it.
  EXPECT_TRUE(
      SameLines(FileLines(), File("1.69", {.blankStringRows = true, .blankConditionTail = true})));
}

TEST_F(PostUpgradeTest, Version124KeepsItsSubprogramLines) {
  WriteFile(File("1.24", {.fullConditions = false}));
  ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
  EXPECT_TRUE(SameLines(FileLines(), File("1.69", {.blankConditionTail = true})));
}

TEST_F(PostUpgradeTest, Version000IsRebuiltAndLoadsWithWidenedLists) {
  const Shape old = {.zeroVersion = true,
                     .subprogramLines = false,
                     .stringCodeRows = false,
                     .fullConditions = false};
  WriteFile(File("0.00", old));
  store_.record.fromRowCount = 10;
  ASSERT_EQ(Upgrade(), PostFileStatus::Ok);
  EXPECT_EQ(store_.record.fromRowCount, 20);
  EXPECT_EQ(store_.record.toRowCount, 20);

  // The header as the steps build it: new HeadPostCond, subprogram lines, empty sequence code
  // and 0, the templates, the 10-row line-code lists and 40 empty string-code rows.
  const Lines upgraded = FileLines();
  const Lines first = Section("First", kFirst, old);
  Lines header(first.begin(), first.begin() + 4);
  header.push_back("HeadPostCond 0 10 10");
  for (int i = 0; i < 28; ++i) header.back() += " 0";
  header.insert(header.end(), {"M98", "P", "O", "M99", "", "0"});
  header.insert(header.end(), first.begin() + 5, first.begin() + 5 + 28 + 20);
  header.insert(header.end(), 40, "");
  EXPECT_TRUE(SameLines(Lines(upgraded.begin() + 2, upgraded.begin() + 2 + 99), header));
  EXPECT_EQ(upgraded[0], "Version 1.69");

  ASSERT_EQ(Load(u"First", u"SUS", u"1.5"), PostFileStatus::Ok);
  EXPECT_EQ(store_.record.subprogramCallCode, u"M98");
  EXPECT_EQ(store_.record.sequenceNumber, 0);
  EXPECT_EQ(store_.record.headLine1a, u"First T9");
  EXPECT_EQ(store_.record.lineCodeFrom[0], u"First LF1");
  EXPECT_EQ(store_.record.lineCodeTo[1], u"First LT2");
  EXPECT_EQ(store_.record.lineCodeTo[10], u"");
  EXPECT_EQ(store_.record.stringCodeFrom[0], u"");
  EXPECT_EQ(store_.condition.workChuteMinLength, u"SUS/1.5/29");
  EXPECT_EQ(store_.condition.cutSourceCondition, u"");
  EXPECT_EQ(store_.condition.conditionIsModal, 0);
}

TEST_F(PostUpgradeTest, MissingFileIsLeftMissing) {
  EXPECT_EQ(Upgrade(), PostFileStatus::Ok);
  EXPECT_FALSE(memory_.Has(PostPath()));
}

}  // namespace
}  // namespace qv::test
