#include "engine/Normalization.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/EngineWords.h"
#include "engine/ProcessCodes.h"
#include "macro/CGMacroChg.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// Appended to an inserted positioning copy so that later passes know it for what it is.
constexpr std::u16string_view kSubprogramStartMarker = u"G01G02G03";
constexpr std::u16string_view kCutConditionMarker = u"[CUT-FIG-CONDITION]";
constexpr std::u16string_view kLineBreak = u"\r\n";
// Texts compared with every line, as constants so that their length is not counted each time.
constexpr std::u16string_view kGoto = u"GOTO";
constexpr std::u16string_view kFirstCallInRange = u"M98P9000";
constexpr std::u16string_view kLastCallInRange = u"M98P9999";

bool IsProgramEnd(std::u16string_view line) {
  // Both end codes begin with "M": one search settles the many lines without one.
  const size_t m = line.find(u'M');
  if (m == std::u16string_view::npos) return false;
  const std::u16string_view codes = line.substr(m);
  return (Contains(codes, u"M30") || Contains(codes, u"M02")) &&
         line.find(u'(') == std::u16string_view::npos;
}

bool HasXOrY(std::u16string_view line) {
  return line.find(u'X') != std::u16string_view::npos ||
         line.find(u'Y') != std::u16string_view::npos;
}

bool IsPositioning(std::u16string_view line) { return Contains(line, u"G00") && HasXOrY(line); }

bool IsNumberTail(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; }

// ---- Step 1: head and tail -------------------------------------------------------------------

// The text from the first "(" through the first ")"; empty when the ")" comes first.
std::optional<std::u16string> HeadComment(std::u16string_view line) {
  const size_t open = line.find(u'(');
  const size_t close = line.find(u')');
  if (open == std::u16string_view::npos || close == std::u16string_view::npos) return {};
  if (close < open) return std::u16string();
  return std::u16string(line.substr(open, close - open + 1));
}

// Also removes ";" (step 2) from each line as it is copied, while the line is at hand.
LineList CutHeadAndTail(const LineList& source, bool cutTail, LineList* headComments) {
  size_t first = 0;
  for (; first < source.size(); ++first) {
    const std::u16string& line = source[first];
    if (Contains(line, u"G92") || Contains(line, u"G91") || Contains(line, u"G90")) break;
    const auto comment = HeadComment(line);
    if (comment && headComments != nullptr) headComments->push_back(*comment);
  }
  LineList work;
  work.reserve(source.size() - first);
  for (size_t i = first; i < source.size(); ++i) {
    work.push_back(source[i]);
    std::erase(work.back(), u';');
    if (cutTail && IsProgramEnd(source[i])) break;
  }
  return work;
}

// ---- Step 3: macros ----------------------------------------------------------------------------

void ExpandMacros(LineList& work, const PostRecord& record) {
  CGMacroChg macro;
  macro.SetOptions({record.decimalIndex, record.macroMode, record.cutterSide});
  macro.ExpandInPlace(work);
}

// ---- Step 4: subprogram start positions --------------------------------------------------------

// Label and call numbers compare as integers; digit texts without leading zeros compare so
// without overflow.
std::u16string NumberKey(std::u16string_view digits) {
  const size_t first = digits.find_first_not_of(u'0');
  return first == std::u16string_view::npos ? u"0" : std::u16string(digits.substr(first));
}

using CallStarts = std::unordered_map<std::u16string, std::u16string>;

// How the main program calls subprograms: whether by number ("M98H"), and for each call
// number of either call word the positioning line seen last at its first call ("" when none
// was). One walk serves both call words.
struct MainProgramCalls {
  bool byNumber = false;
  CallStarts numberStarts;  // M98H
  CallStarts nameStarts;    // M98P
};

void NoteFirstCall(std::u16string_view line, std::u16string_view callWord,
                   const std::u16string& positioning, CallStarts& starts) {
  const size_t at = line.find(callWord);
  if (at == std::u16string_view::npos) return;
  const std::u16string_view digits = DigitsAt(line, at + callWord.size());
  if (!digits.empty()) starts.try_emplace(NumberKey(digits), positioning);
}

// The main program is the lines before `end`.
MainProgramCalls ReadMainProgramCalls(const LineList& work, size_t end) {
  MainProgramCalls calls;
  std::u16string last;
  for (size_t i = 0; i < end; ++i) {
    const std::u16string_view line = work[i];
    if (IsPositioning(line)) last = line;
    if (!Contains(line, u"M98")) continue;  // what both call words begin with
    calls.byNumber = calls.byNumber || Contains(line, u"M98H");
    NoteFirstCall(line, u"M98H", last, calls.numberStarts);
    NoteFirstCall(line, u"M98P", last, calls.nameStarts);
  }
  return calls;
}

// For each line after `end`: whether a body line (G01, G02, G03, the punch source or G91)
// follows it before a line that ends the search (M99, or a G00 with X or Y). One backward
// walk, so that many label lines cost no rescans.
std::vector<bool> BodyFollows(const LineList& work, size_t end, std::u16string_view punchSource) {
  std::vector<bool> follows(work.size(), false);
  bool found = false;
  for (size_t i = work.size(); i-- > end + 1;) {
    follows[i] = found;
    const std::u16string_view line = work[i];
    if (Contains(line, u"M99") || IsPositioning(line)) {
      found = false;
    } else if (Contains(line, u"G01") || Contains(line, u"G02") || Contains(line, u"G03") ||
               (!punchSource.empty() && Contains(line, punchSource)) || Contains(line, u"G91")) {
      found = true;
    }
  }
  return follows;
}

void InsertSubprogramStarts(LineList& work, std::u16string_view punchSource) {
  const size_t end =
      static_cast<size_t>(std::find_if(work.begin(), work.end(), IsProgramEnd) - work.begin());
  // Labels stand after the end only; without such lines nothing is inserted.
  if (end == 0 || end + 1 >= work.size()) return;
  const MainProgramCalls calls = ReadMainProgramCalls(work, end);
  const char16_t label = calls.byNumber ? u'N' : u'O';
  const CallStarts& starts = calls.byNumber ? calls.numberStarts : calls.nameStarts;
  const std::vector<bool> follows = BodyFollows(work, end, punchSource);
  // Built beside the program: each copy goes right after its label and is never itself taken
  // for a label, so a copy that holds the label letter cannot insert again.
  LineList out;
  out.reserve(work.size());
  for (size_t i = 0; i < work.size(); ++i) {
    out.push_back(std::move(work[i]));
    if (i <= end || !follows[i]) continue;
    const std::u16string_view line = out.back();
    const size_t at = line.find(label);
    if (at == std::u16string_view::npos) continue;
    const std::u16string_view digits = DigitsAt(line, at + 1);
    if (digits.empty()) continue;
    const auto start = starts.find(NumberKey(digits));
    if (start != starts.end())
      out.push_back(start->second + std::u16string(kSubprogramStartMarker));
  }
  work = std::move(out);
}

// ---- Step 5: the match table ------------------------------------------------------------------

enum class Wildcard { None, Question, Star };

// The characters of a text folded into 64 bits (by their code modulo 64). A text holding a
// character whose bit a line lacks cannot be in that line, which settles most searches of the
// match table without a scan.
uint64_t CharacterMask(std::u16string_view text) {
  uint64_t mask = 0;
  for (const char16_t c : text) mask |= uint64_t{1} << (c % 64);
  return mask;
}

// A search text as it is looked for: without its wildcard characters.
struct SearchPattern {
  std::u16string text;
  Wildcard wildcard = Wildcard::None;
  size_t writtenLength = 0;
  uint64_t characters = 0;  // CharacterMask of text
};

std::vector<SearchPattern> PatternsOf(const LineList& codeFrom) {
  std::vector<SearchPattern> patterns;
  patterns.reserve(codeFrom.size());
  for (const std::u16string& from : codeFrom) {
    SearchPattern pattern{from, Wildcard::None, from.size()};
    if (std::erase(pattern.text, u'*') > 0) {
      pattern.wildcard = Wildcard::Star;
    } else if (std::erase(pattern.text, u'?') > 0) {
      pattern.wildcard = Wildcard::Question;
    }
    pattern.characters = CharacterMask(pattern.text);
    patterns.push_back(std::move(pattern));
  }
  return patterns;
}

// False when the table overflows.
bool BuildMatchTable(EngineState& state, const LineList& work,
                     const std::vector<SearchPattern>& patterns) {
  state.matchCount = 0;
  for (size_t i = 0; i < work.size(); ++i) {
    const std::u16string_view line = work[i];
    const uint64_t present = CharacterMask(line);
    for (size_t k = 0; k < patterns.size(); ++k) {
      const SearchPattern& pattern = patterns[k];
      if (pattern.writtenLength == 0 || (pattern.characters & ~present) != 0) continue;
      const size_t at = line.find(pattern.text);
      if (at == std::u16string_view::npos) continue;
      const size_t after = at + pattern.text.size();
      // A plain code followed by more of a number is part of another word ("G0" in "G01").
      if (pattern.wildcard == Wildcard::None && after < line.size() && IsNumberTail(line[after])) {
        continue;
      }
      if (!state.AddMatch(static_cast<int32_t>(i), static_cast<int32_t>(at),
                          static_cast<int32_t>(at + pattern.writtenLength),
                          static_cast<int32_t>(k))) {
        return false;
      }
    }
  }
  return true;
}

// ---- Step 6: rebuild each line from the words the converter understands ------------------------

class LineRebuilder {
 public:
  LineRebuilder(EngineState& state, const EngineInputs& inputs,
                const std::vector<SearchPattern>& patterns);
  // Rebuilds one line whose match entries are [firstMatch, endMatch) of the table.
  void Rebuild(std::u16string_view line, int32_t firstMatch, int32_t endMatch);

 private:
  void SetFlags(int32_t firstMatch, int32_t endMatch);
  void AddLeadingFlag(std::u16string_view code, std::vector<int32_t*>& flags);
  bool KeepsCoordinates() const;
  bool KeepsGCode(int32_t number) const;
  size_t TakeMatch(int32_t entry, size_t p);
  size_t TakeWord(size_t p);
  size_t TakeGWord(size_t p);
  size_t TakeCoordinate(size_t p);
  size_t TakeOther(size_t p);
  std::optional<size_t> ApplyKeepPattern(std::u16string_view pattern, size_t p);
  void Finish(bool beginsWithGoto);

  EngineState& state_;
  const EngineInputs& inputs_;
  const std::vector<SearchPattern>& patterns_;
  const bool modal_;
  // Numbers below kFlagCount that some keep-list code slot holds, G and M alike (empty slots
  // hold 0).
  std::array<bool, kFlagCount> slotNumbers_{};
  std::vector<int32_t> matchAt_;  // per position: the first match entry starting there, or -1
  // Per code pair: the flags that the leading G or M words of its two codes stand for, cleared
  // on a line where the pair matched (read here once rather than at every match).
  std::vector<std::vector<int32_t*>> pairFlags_;

  std::u16string_view line_;
  WordFlagSetter flags_{state_.gFlags, state_.mFlags};
  std::u16string result_;
  bool keepCoordinates_ = false;
  bool callRange_ = false;
};

LineRebuilder::LineRebuilder(EngineState& state, const EngineInputs& inputs,
                             const std::vector<SearchPattern>& patterns)
    : state_(state),
      inputs_(inputs),
      patterns_(patterns),
      modal_(inputs.store.condition.conditionIsModal == 1) {
  const std::vector<Remain1Code>& codes = inputs.keepLists.remain1Codes;
  for (const Remain1Code& code : codes) {
    if (code.number >= 0 && code.number < kFlagCount) slotNumbers_[code.number] = true;
  }
  if (codes.size() < kMaxRemain1Codes) slotNumbers_[0] = true;
  pairFlags_.resize(state.codeFrom.size());
  for (size_t k = 0; k < state.codeFrom.size(); ++k) {
    AddLeadingFlag(state.codeFrom[k], pairFlags_[k]);
    AddLeadingFlag(state.codeTo[k], pairFlags_[k]);
  }
}

void LineRebuilder::Rebuild(std::u16string_view line, int32_t firstMatch, int32_t endMatch) {
  line_ = line;
  result_.clear();
  SetFlags(firstMatch, endMatch);
  bool beginsWithGoto = StartsWith(line, kGoto);
  keepCoordinates_ = KeepsCoordinates();
  callRange_ = line >= kFirstCallInRange && line <= kLastCallInRange;
  matchAt_.assign(line.size() + 1, -1);
  for (int32_t e = firstMatch; e < endMatch; ++e) {
    int32_t& slot = matchAt_[static_cast<size_t>(state_.matchStart[e])];
    if (slot < 0) slot = e;
  }
  for (size_t p = 0; p < line.size();) {
    size_t taken = 0;
    if (matchAt_[p] >= 0) {
      if (p == 0) beginsWithGoto = false;
      if (modal_ && SearchProcessCode(state_, line, inputs_.store.condition) != BlockKind::None) {
        break;
      }
      taken = TakeMatch(matchAt_[p], p);
    } else {
      taken = TakeWord(p);
    }
    // A wildcard or keep pattern may consume nothing; the walk must still move on.
    p += std::max<size_t>(taken, 1);
  }
  Finish(beginsWithGoto);
}

void LineRebuilder::SetFlags(int32_t firstMatch, int32_t endMatch) {
  flags_.Set(line_);
  for (int32_t e = firstMatch; e < endMatch; ++e) {
    for (int32_t* flag : pairFlags_[static_cast<size_t>(state_.matchCode[e])]) *flag = 0;
  }
}

void LineRebuilder::AddLeadingFlag(std::u16string_view code, std::vector<int32_t*>& flags) {
  const WordClass kind = WordClassAt(code, 0);
  if (kind != WordClass::G && kind != WordClass::M) return;
  const std::optional<int32_t> number = WordNumber(DigitsAt(code, 1));
  if (!number || *number >= kFlagCount) return;
  flags.push_back(&(kind == WordClass::G ? state_.gFlags : state_.mFlags)[*number]);
}

// Walks the line's words rather than the flag arrays: a flag is set only by a word of the line.
bool LineRebuilder::KeepsCoordinates() const {
  if (HasXOrY(line_)) return true;
  bool anyFlag = false;
  for (size_t p = 0; p < line_.size(); ++p) {
    const WordClass kind = WordClassAt(line_, p);
    if (kind != WordClass::G && kind != WordClass::M) continue;
    const std::optional<int32_t> number = WordNumber(DigitsAt(line_, p + 1));
    if (!number || *number >= kFlagCount) continue;
    if ((kind == WordClass::G ? state_.gFlags : state_.mFlags)[*number] == 0) continue;
    if (kind == WordClass::G && slotNumbers_[*number]) return true;
    anyFlag = true;
  }
  return !anyFlag;
}

bool LineRebuilder::KeepsGCode(int32_t number) const {
  const std::vector<Remain1Code>& codes = inputs_.keepLists.remain1Codes;
  const bool listed =
      std::find(codes.begin(), codes.end(), Remain1Code{u'G', number}) != codes.end();
  return listed || (number >= 100 && number <= 110) || (number >= 114 && number <= 999);
}

size_t LineRebuilder::TakeMatch(int32_t entry, size_t p) {
  const auto k = static_cast<size_t>(state_.matchCode[entry]);
  result_ += state_.codeTo[k];
  const SearchPattern& pattern = patterns_[k];
  switch (pattern.wildcard) {
    case Wildcard::Star:
      return line_.size() - p;
    case Wildcard::Question: {
      size_t end = std::min(p + pattern.text.size(), line_.size());
      while (end < line_.size() && IsNumberTail(line_[end])) ++end;
      return end - p;
    }
    case Wildcard::None:
      break;
  }
  return pattern.writtenLength;
}

size_t LineRebuilder::TakeWord(size_t p) {
  switch (WordClassAt(line_, p)) {
    case WordClass::G:
      return TakeGWord(p);
    case WordClass::Coordinate:
      return TakeCoordinate(p);
    default:
      return TakeOther(p);
  }
}

size_t LineRebuilder::TakeGWord(size_t p) {
  const std::u16string_view digits = DigitsAt(line_, p + 1);
  const size_t length = 1 + digits.size();
  const std::optional<int32_t> number = WordNumber(digits);
  if (!number) return length;
  if (*number == 92) {
    if (inputs_.store.record.coordinateMode == 1) {
      result_ += u"G92";
      return length;
    }
    if (p == 0 && Contains(line_, u"G90")) {
      result_ = u"G90";
    } else if (p == 0 && Contains(line_, u"G91")) {
      result_ = u"G91";
    }
  }
  if (KeepsGCode(*number)) result_ += line_.substr(p, length);
  return length;
}

size_t LineRebuilder::TakeCoordinate(size_t p) {
  const size_t length = 1 + CoordinateValueAt(line_, p + 1).size();
  if (keepCoordinates_) result_ += line_.substr(p, length);
  return length;
}

size_t LineRebuilder::TakeOther(size_t p) {
  if (callRange_) return 1;
  for (const std::u16string& pattern : inputs_.keepLists.remain1Strings) {
    if (const auto taken = ApplyKeepPattern(pattern, p)) return *taken;
  }
  return 1;
}

// A keep pattern applies when its text up to the first "?" stands at p and no more digits
// follow than it has "?"; it then replaces the result with that text and the digits.
std::optional<size_t> LineRebuilder::ApplyKeepPattern(std::u16string_view pattern, size_t p) {
  const std::u16string_view line = line_.substr(0, std::min(line_.size(), kMaxCompareLength));
  pattern = pattern.substr(0, std::min(pattern.size(), kMaxCompareLength));
  if (p > line.size()) return std::nullopt;
  const std::u16string_view prefix = pattern.substr(0, pattern.find(u'?'));
  if (!StartsWith(line.substr(p), prefix)) return std::nullopt;
  const std::u16string_view digits = DigitsAt(line, p + prefix.size());
  const auto wildcards = static_cast<size_t>(std::count(pattern.begin(), pattern.end(), u'?'));
  if (digits.size() > wildcards) return std::nullopt;
  result_.assign(prefix).append(digits);
  return prefix.size() + digits.size();
}

void LineRebuilder::Finish(bool beginsWithGoto) {
  if (!result_.empty()) {
    // The "GOTO" word itself is read as a G without number and dropped; give it back.
    if (beginsWithGoto && StartsWith(result_, u"O") && !Contains(result_, u"GOTO")) {
      result_.insert(0, u"GOT");
    }
    state_.normalizedLines.push_back(result_);
  } else if (modal_) {
    // Look-backs read the expanded program at the normalized line's index, so every line
    // keeps its place.
    state_.normalizedLines.emplace_back(kLineBreak);
  }
}

void RebuildLines(EngineState& state, const EngineInputs& inputs, const LineList& work,
                  const std::vector<SearchPattern>& patterns) {
  LineRebuilder rebuilder(state, inputs, patterns);
  int32_t entry = 0;
  for (size_t i = 0; i < work.size(); ++i) {
    const int32_t first = entry;
    while (entry < state.matchCount && state.matchLine[entry] == static_cast<int32_t>(i)) ++entry;
    rebuilder.Rebuild(work[i], first, entry);
  }
}

// ---- Step 8 -------------------------------------------------------------------------------------

// Assigns into the source lines' own strings, whose storage is reused rather than reallocated.
void RefillSourceLines(EngineState& state) {
  LineList& source = state.sourceLines;
  size_t kept = 0;
  for (const std::u16string& line : state.normalizedLines) {
    if (line == kCutConditionMarker) continue;
    if (kept < source.size()) {
      source[kept] = line;
    } else {
      source.push_back(line);
    }
    ++kept;
  }
  source.resize(kept);
}

}  // namespace

int32_t NormalizeProgram(EngineState& state, const EngineInputs& inputs) {
  const PostRecord& record = inputs.store.record;
  LineList work =
      CutHeadAndTail(state.sourceLines, record.deleteAfterM30 != 0, inputs.headComments);
  ExpandMacros(work, record);
  InsertSubprogramStarts(work, inputs.store.condition.punch[0]);
  const std::vector<SearchPattern> patterns = PatternsOf(state.codeFrom);
  if (!BuildMatchTable(state, work, patterns)) return -1;
  RebuildLines(state, inputs, work, patterns);
  state.expandedLines = std::move(work);  // step 7: the program after expansion
  RefillSourceLines(state);
  return 0;
}

}  // namespace qv
