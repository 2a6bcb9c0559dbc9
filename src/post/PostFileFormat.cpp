#include "post/PostFileFormat.h"

#include "nctext/CnlStringAnlyss.h"
#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"

namespace qv {

std::vector<std::u16string> SplitPostLine(std::u16string_view line) {
  CnlStringAnlyss analyser;
  analyser.AddSeparator(u' ');
  const int32_t count = analyser.Split(line);
  std::vector<std::u16string> fields(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) analyser.GetToken(i, fields[static_cast<size_t>(i)]);
  return fields;
}

bool FirstFieldIs(std::u16string_view line, std::u16string_view keyword) {
  if (!Contains(line, keyword)) return false;
  if (StartsWith(line, keyword)) {
    // The common case: the keyword followed by a space or nothing.
    if (line.size() == keyword.size() || line[keyword.size()] == u' ') return true;
  }
  const std::vector<std::u16string> fields = SplitPostLine(line);
  return !fields.empty() && fields[0] == keyword;
}

std::u16string FieldAt(const std::vector<std::u16string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : std::u16string();
}

std::u16string QuoteName(std::u16string_view name) {
  if (name.empty()) return {};
  std::u16string quoted = u"\"";
  quoted.append(name);
  quoted.push_back(u'"');
  return quoted;
}

std::u16string JoinQuoted(const std::u16string* names, int32_t count) {
  std::u16string line;
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) line.push_back(u' ');
    line += QuoteName(names[i]);
  }
  return line;
}

std::u16string CurrentVersionLine() {
  std::u16string line = u"Version ";
  line.append(kPostFileVersion);
  return line;
}

int32_t PostFileVersion100(std::u16string_view line) {
  // Blanks after the number (a hand-edited file) are not part of it.
  line = TrimRight(line);
  return VersionTimes100(line.size() > 4 ? line.substr(line.size() - 4) : line);
}

std::u16string PostConditionLine(int32_t coordinateMode, const int32_t* values, size_t count) {
  std::u16string line(kHeadPostCond);
  line += Sprintf(" %d", coordinateMode);
  for (size_t i = 0; i < count; ++i) line += Sprintf(" %d", values[i]);
  return line;
}

std::vector<int32_t> PostValuesOf(const PostRecord& r) {
  std::vector<int32_t> values(static_cast<size_t>(kPostValueCount), 0);
  const int32_t options[] = {r.fromRowCount,    r.toRowCount,        r.macroMode,
                             r.sequenceMode,    r.decimalIndex,      r.deleteAfterM30,
                             r.cutterSide,      r.skipSameCondition, r.addMotionCodes,
                             r.keepHeadComment, r.breakUpSubprograms};
  for (size_t i = 0; i < std::size(options); ++i) values[i] = options[i];
  return values;
}

std::vector<std::u16string> ConditionBodyLines(const MachiningCondition& c) {
  std::vector<std::u16string> lines;
  lines.reserve(static_cast<size_t>(kConditionBodyLines));
  auto add = [&lines](const auto& group) { lines.insert(lines.end(), group.begin(), group.end()); };
  add(c.programVariables);
  add(c.punch);
  add(c.marking);
  add(c.longSideLimits);
  add(c.shapeCodes);
  add(c.lineLengthLimits);
  add(c.arcRadiusLimits);
  add(c.elementCodes);
  lines.push_back(c.autoConditionBasis != 0 ? u"1" : u"0");
  lines.push_back(c.workChuteCode);
  lines.push_back(c.workChuteMinLength);
  lines.push_back(c.cutSourceCondition);
  lines.push_back(c.conditionIsModal != 0 ? u"1" : u"0");
  return lines;
}

std::vector<std::u16string*> RecordTemplateFields(PostRecord& r) {
  return {&r.subprogramCallCode,
          &r.subprogramNumberWord,
          &r.subprogramAddress,
          &r.subprogramEndCode,
          &r.programAddress,
          &r.programNumber,
          &r.comment,
          &r.g92X,
          &r.g92Y,
          &r.coordinateCode2,
          &r.coordinateX2,
          &r.coordinateY2,
          &r.headLine1a,
          &r.headLine1b,
          &r.headLine2,
          &r.coordinateLine,
          &r.coordinateSettingLine,
          &r.punchPositionSuffix,
          &r.punchConvertedCondition,
          &r.punchCondition,
          &r.punchLine3,
          &r.markPositionSuffix,
          &r.markConvertedCondition,
          &r.markCondition,
          &r.markShapeMarker,
          &r.markShapeLine,
          &r.cutPositionSuffix,
          &r.cutConditionMarker,
          &r.cutCondition,
          &r.cutShapeMarker,
          &r.cutShapeLine,
          &r.endPart};
}

}  // namespace qv
