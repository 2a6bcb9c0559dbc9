// The upgrading part of CNcPostFile: each step rewrites the whole post file through the
// scratch file, on the result of the step before.
#include <algorithm>

#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"
#include "post/PostFileFormat.h"

namespace qv {
namespace {

// Version 1.17 and older had no string-unit special codes: 40 rows per post.
constexpr int32_t kAddedStringCodeLines = 2 * kSpecialCodeRows;
// Conditions before version 1.51 had 29 lines after their header.
constexpr int32_t kOldConditionBodyLines = 29;

}  // namespace

int32_t CNcPostFile::UpgradePostFile() {
  if (reader_.Open(postFilePath_, OpenMode::Read) != 0) return 0;
  std::u16string first;
  reader_.ReadString(first);
  reader_.Close();
  const int32_t version = PostFileVersion100(first);
  if (first == u"Version 0.00") {
    if (RewritePostFile(1) != 0) return -1;
    store_.record.fromRowCount = kSpecialCodeRows;
    store_.record.toRowCount = kSpecialCodeRows;
  }
  if (version <= 117 && RewritePostFile(2) != 0) return -1;
  if (version < 124 && RewritePostFile(3) != 0) return -1;
  if (version < 151 && RewritePostFile(4) != 0) return -1;
  return 0;
}

// One upgrade step over the whole file; the old first line gives way to the current one.
int32_t CNcPostFile::RewritePostFile(int32_t step) {
  ioFailed_ = false;
  pendingLine_.clear();
  if (writer_.Open(scratchFilePath_, OpenMode::CreateWrite) != 0) return -1;
  if (reader_.Open(postFilePath_, OpenMode::Read) != 0) {
    writer_.Close();
    return -1;
  }
  Write(CurrentVersionLine());
  std::u16string line;
  NextLine(line);
  bool headerOpen = false;      // step 2: a post header still waiting for its 40 lines
  int32_t conditionLines = -1;  // step 4: lines copied after a condition header, -1 outside
  auto padCondition = [this, &conditionLines] {
    for (; conditionLines >= 0 && conditionLines < kConditionBodyLines; ++conditionLines) {
      Write(u"");
    }
    conditionLines = -1;
  };
  while (NextLine(line)) {
    if (step == 1 && FirstFieldIs(line, kHeadPostCond)) {
      const std::vector<std::u16string> fields = SplitPostLine(line);
      std::vector<int32_t> values = PostValuesOf(store_.record);
      values[0] = ToInt(FieldAt(fields, 2));
      values[1] = ToInt(FieldAt(fields, 3));
      std::fill(values.begin() + 2, values.begin() + 5, 0);
      Write(PostConditionLine(ToInt(FieldAt(fields, 1)), values.data(), values.size()));
      Write(u"");
      Write(u"0");
      continue;
    }
    if (step == 2) {
      // The rows go at the end of the header: before its first condition, or before the next
      // section when the post has none, never into another post's header.
      const bool condition = FirstFieldIs(line, kHeadManuCond);
      const bool header = FirstFieldIs(line, kHeadPostCond);
      if (headerOpen && (condition || header || FirstFieldIs(line, kHeadPostName))) {
        for (int32_t i = 0; i < kAddedStringCodeLines; ++i) Write(u"");
        headerOpen = false;
      }
      if (header) headerOpen = true;
    }
    if (step == 4) {
      if (StartsWith(line, kHeadManuCond)) {
        padCondition();
        Write(line);
        conditionLines = 0;
        continue;
      }
      if (conditionLines >= kOldConditionBodyLines || StartsWith(line, kHeadPostName)) {
        padCondition();
      } else if (conditionLines >= 0) {
        ++conditionLines;
      }
    }
    Write(line);
    if (step == 3 && StartsWith(line, kHeadPostCond)) {
      for (const char16_t* code : {u"M98", u"P", u"O", u"M99"}) Write(code);
    }
  }
  if (headerOpen) {
    for (int32_t i = 0; i < kAddedStringCodeLines; ++i) Write(u"");
  }
  padCondition();
  return FinishSave();
}

}  // namespace qv
