#include "ui/RunSteps.h"

#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Only the first "G" counts; it is commented out when a "(" stands before it and a ")" after.
bool HasActiveG(const std::u16string& line) {
  const size_t g = line.find(u'G');
  if (g == std::u16string::npos) return false;
  const size_t open = line.find(u'(');
  const bool commented =
      open != std::u16string::npos && open < g && line.find(u')', g + 1) != std::u16string::npos;
  return !commented;
}

std::u16string CoordinateWords(std::u16string code, const std::u16string& x,
                               const std::u16string& y) {
  if (!x.empty()) code += u"X" + x;
  if (!y.empty()) code += u"Y" + y;
  return code;
}

}  // namespace

bool EnsureG92Line(LineList& lines) {
  for (const std::u16string& line : lines) {
    if (Contains(line, u"G92")) return false;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (HasActiveG(lines[i])) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), kDefaultG92Line);
      return true;
    }
  }
  return false;
}

void SetG92Lines(LineList& lines, const PostRecord& record) {
  const std::u16string first = CoordinateWords(u"G92", record.g92X, record.g92Y);
  const bool second = !record.coordinateCode2.empty();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!Contains(lines[i], u"G92")) continue;
    lines[i] = first;
    if (!second) continue;
    // The inserted line is never looked at again, even when its code holds "G92".
    ++i;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i),
                 CoordinateWords(record.coordinateCode2, record.coordinateX2, record.coordinateY2));
  }
}

G98Options G98OptionsFor(const PostRecord& record, const Settings& runWide) {
  G98Options options;
  options.programNumber = record.programNumber;
  options.subprogramAddress = record.subprogramAddress;
  options.subprogramEndCode = record.subprogramEndCode;
  options.subprogramCallCode = record.subprogramCallCode;
  options.subprogramNumberWord = record.subprogramNumberWord;
  options.decimalIndex = record.decimalIndex;
  options.coordinateMode = record.coordinateMode;
  options.g93Mode = runWide.g93Mode;
  return options;
}

void ApplyG98Conversion(EngineState& state, G98Conversion conversion) {
  state.sourceLines = std::move(conversion.sourceLines);
  state.subprogramOrigins.pending = true;
  state.subprogramOrigins.originLines = std::move(conversion.originLines);
  state.subprogramOrigins.shiftLines = std::move(conversion.shiftLines);
  state.subprogramOrigins.callIndexes.clear();
}

void FeedCodePairs(CQuorvalenDB& engine, const PostStore& store, const Settings& runWide,
                   bool g98AfterG92) {
  const MachiningCondition& condition = store.condition;
  const PostRecord& record = store.record;
  engine.AddCodePair(condition.punch[0], condition.punch[1]);
  engine.AddCodePair(condition.marking[0], condition.marking[1]);
  engine.AddCodePair(condition.marking[2], condition.marking[1]);
  if (record.coordinateMode == 1) {
    if (runWide.g93Mode == 0 && !g98AfterG92) engine.AddCodePair(u"G93", u"G93");
    if ((runWide.g93Mode == 0 && g98AfterG92) || runWide.g93Mode == 1) {
      engine.AddCodePair(u"G93*", u"");
    }
    if (runWide.g93Mode == 2) engine.AddCodePair(u"G93", runWide.g93Code);
  }
  for (size_t k = 0; k < record.lineCodeFrom.size(); ++k) {
    engine.AddCodePair(record.lineCodeFrom[k], record.lineCodeTo[k]);
  }
  engine.AddCodePair(record.subprogramAddress, record.subprogramAddress);
  for (size_t k = 0; k < record.stringCodeFrom.size(); ++k) {
    engine.AddStringCodePair(record.stringCodeFrom[k], record.stringCodeTo[k]);
  }
}

}  // namespace qv
