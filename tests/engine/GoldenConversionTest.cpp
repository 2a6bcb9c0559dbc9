// Golden conversions: each folder of tests/data with a case.ini is one program converted as a
// run converts it. case.ini holds the post, the machining condition, the run-wide values and the
// keep lists ([Post], [Condition], [Run], [Keep]); input.nc is the program as the run hands it
// to the engine; expected.nc was worked out by hand (NOTE.md says how) and must come out line
// for line.
#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "EngineRun.h"
#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "nctext/Cnltextfilerw.h"
#include "nctext/FieldSplitter.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"

namespace qv {
namespace {

struct GoldenCase {
  PostStore store;
  Settings settings;
  KeepLists keep;
  bool g98AfterG92 = false;
};

LineList ReadLines(const std::filesystem::path& path) {
  Cnltextfilerw file;
  LineList lines;
  if (file.Open(FromUtf8(path.string()), OpenMode::Read) != 0) return lines;
  std::u16string line;
  while (file.ReadString(line) == 0) lines.push_back(line);
  file.Close();
  return lines;
}

template <size_t N>
void ReadTexts(const ProfileFile& f, std::u16string_view section, std::u16string_view key,
               std::array<std::u16string, N>& texts) {
  for (size_t i = 0; i < N; ++i) {
    texts[i] = f.GetString(section, std::u16string(key) + Sprintf("%zu", i + 1), texts[i]);
  }
}

void ReadPost(const ProfileFile& f, PostRecord& r) {
  const std::pair<const char16_t*, std::u16string PostRecord::*> texts[] = {
      {u"headLine1a", &PostRecord::headLine1a},
      {u"headLine2", &PostRecord::headLine2},
      {u"coordinateSettingLine", &PostRecord::coordinateSettingLine},
      {u"punchPositionSuffix", &PostRecord::punchPositionSuffix},
      {u"punchConvertedCondition", &PostRecord::punchConvertedCondition},
      {u"punchCondition", &PostRecord::punchCondition},
      {u"punchLine3", &PostRecord::punchLine3},
      {u"markPositionSuffix", &PostRecord::markPositionSuffix},
      {u"markConvertedCondition", &PostRecord::markConvertedCondition},
      {u"markCondition", &PostRecord::markCondition},
      {u"markShapeLine", &PostRecord::markShapeLine},
      {u"cutPositionSuffix", &PostRecord::cutPositionSuffix},
      {u"cutCondition", &PostRecord::cutCondition},
      {u"cutShapeLine", &PostRecord::cutShapeLine},
      {u"endPart", &PostRecord::endPart},
      {u"programAddress", &PostRecord::programAddress},
      {u"programNumber", &PostRecord::programNumber},
      {u"comment", &PostRecord::comment},
      {u"sequenceCode", &PostRecord::sequenceCode}};
  for (const auto& [key, field] : texts) r.*field = f.GetString(u"Post", key, r.*field);
  const std::pair<const char16_t*, int32_t PostRecord::*> numbers[] = {
      {u"coordinateMode", &PostRecord::coordinateMode},
      {u"sequenceMode", &PostRecord::sequenceMode},
      {u"sequenceNumber", &PostRecord::sequenceNumber},
      {u"decimalIndex", &PostRecord::decimalIndex},
      {u"skipSameCondition", &PostRecord::skipSameCondition},
      {u"addMotionCodes", &PostRecord::addMotionCodes},
      {u"keepHeadComment", &PostRecord::keepHeadComment}};
  for (const auto& [key, field] : numbers) r.*field = f.GetInt(u"Post", key, r.*field);
  ReadTexts(f, u"Post", u"lineCodeFrom", r.lineCodeFrom);
  ReadTexts(f, u"Post", u"lineCodeTo", r.lineCodeTo);
}

void ReadCondition(const ProfileFile& f, MachiningCondition& c) {
  constexpr std::u16string_view s = u"Condition";
  c.workChute = f.GetInt(s, u"workChute", 0);
  c.autoConditionBasis = f.GetInt(s, u"autoConditionBasis", 0);
  c.conditionIsModal = f.GetInt(s, u"conditionIsModal", 0);
  c.workChuteCode = f.GetString(s, u"workChuteCode", u"");
  c.workChuteMinLength = f.GetString(s, u"workChuteMinLength", u"");
  c.cutSourceCondition = f.GetString(s, u"cutSourceCondition", u"");
  ReadTexts(f, s, u"programVariable", c.programVariables);
  ReadTexts(f, s, u"punch", c.punch);
  ReadTexts(f, s, u"marking", c.marking);
  ReadTexts(f, s, u"longSideLimit", c.longSideLimits);
  ReadTexts(f, s, u"shapeCode", c.shapeCodes);
  ReadTexts(f, s, u"lineLengthLimit", c.lineLengthLimits);
  ReadTexts(f, s, u"arcRadiusLimit", c.arcRadiusLimits);
  ReadTexts(f, s, u"elementCode", c.elementCodes);
}

std::vector<std::u16string> Words(std::u16string text) {
  FieldSplitter splitter;
  splitter.text = std::move(text);
  splitter.separator = ' ';
  splitter.SplitFields();
  return splitter.fields;
}

void ReadKeepLists(const ProfileFile& f, KeepLists& keep) {
  keep.oCodeCheckCounter = f.GetInt(u"Keep", u"OCodeCheckCounter", 0);
  for (const std::u16string& code : Words(f.GetString(u"Keep", u"Remain1Code", u""))) {
    keep.remain1Codes.push_back({code[0], ToInt(std::u16string_view(code).substr(1))});
  }
  keep.remain1Strings = Words(f.GetString(u"Keep", u"Remain1String", u""));
}

GoldenCase LoadCase(const std::filesystem::path& folder) {
  ProfileFile f(FromUtf8((folder / "case.ini").string()));
  EXPECT_EQ(f.Load(), 0);
  GoldenCase c;
  ReadPost(f, c.store.record);
  ReadCondition(f, c.store.condition);
  ReadKeepLists(f, c.keep);
  c.settings.g93Mode = f.GetInt(u"Run", u"g93Mode", 0);
  c.settings.g93Code = f.GetString(u"Run", u"g93Code", u"");
  c.g98AfterG92 = f.GetInt(u"Run", u"g98AfterG92", 0) != 0;
  return c;
}

std::vector<std::filesystem::path> CaseFolders() {
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(QV_TEST_DATA_DIR)) {
    if (std::filesystem::exists(entry.path() / "case.ini")) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

TEST(GoldenConversionTest, EachProgramConvertsToItsHandWorkedOutput) {
  const std::vector<std::filesystem::path> folders = CaseFolders();
  EXPECT_GE(folders.size(), 6u);
  for (const std::filesystem::path& folder : folders) {
    SCOPED_TRACE(folder.filename().string());
    GoldenCase c = LoadCase(folder);
    LineList headComments;
    CQuorvalenDB engine(c.store, c.settings, c.keep);
    engine.SetHeadCommentList(&headComments);
    ASSERT_EQ(test::RunEngine(engine, ReadLines(folder / "input.nc"), c.g98AfterG92), 0);
    EXPECT_EQ(engine.State().outputLines, ReadLines(folder / "expected.nc"));
  }
}

}  // namespace
}  // namespace qv
