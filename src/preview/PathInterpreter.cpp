#include "preview/PathInterpreter.h"

#include <algorithm>
#include <cmath>

#include "macro/CGMacroChg.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

// The marker lines and texts the macro expansion leaves for the later passes.
constexpr std::u16string_view kFigureMarker = u"G00G01G02G03";
constexpr std::u16string_view kPositioningMarker = u"G01G02G03";

// Below this, two points are the same point (an arc back to its start is a full circle).
constexpr double kSamePoint = 0.0001;

bool SamePoint(Point a, Point b) {
  return std::fabs(a.x - b.x) < kSamePoint && std::fabs(a.y - b.y) < kSamePoint;
}

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool IsCall(const BlockWords& words) { return words.HasM(98) || words.HasM(22); }

bool IsGridBlock(const BlockWords& words) { return words.HasG(75) || words.HasG(76); }

}  // namespace

PathInterpreter::PathInterpreter(const std::vector<std::u16string>& lines, double unitFactor,
                                 bool hasM98H)
    : lines_(lines), unitFactor_(unitFactor), hasM98H_(hasM98H) {
  PreScan();
}

PathInterpreter::~PathInterpreter() = default;

void PathInterpreter::PreScan() {
  blocks_.reserve(lines_.size());
  for (size_t at = 0; at < lines_.size(); ++at) {
    const BlockWords& words = blocks_.emplace_back(ReadBlockWords(lines_[at], unitFactor_));
    const auto line = static_cast<int32_t>(at);
    if (words.HasM(99)) returns_.push_back(line);
    if (words.macro) hasMacros_ = true;
    // P calls O labels and H calls N labels: the two kinds of number never stand for each other.
    if (words.hasO) oLabels_.try_emplace(words.o, line);
    if (hasM98H_ && words.hasN) nLabels_.try_emplace(words.n, line);
  }
}

int32_t PathInterpreter::Run(DisplayList& list) {
  list.Clear();
  list_ = &list;
  macro_ = std::make_unique<CGMacroChg>();
  // The expansion reads values without a point in the same units as the preview.
  MacroOptions options;
  options.decimalIndex =
      std::clamp(static_cast<int32_t>(std::lround(std::log10(unitFactor_))) - 1, 0, 3);
  macro_->SetOptions(options);
  state_ = Position{};
  returnStack_.clear();
  memories_ = {};
  recording_ = -1;
  grid_ = G98Grid{};
  blocksLeft_ = blockLimit_;
  error_ = 0;
  int32_t line = 0;
  const auto count = static_cast<int32_t>(blocks_.size());
  while (line >= 0 && line < count && error_ != static_cast<int32_t>(DrawError::TooMuchWork)) {
    if (--blocksLeft_ < 0) {
      Fail(DrawError::TooMuchWork);
      break;
    }
    int32_t next = line + 1;
    if (Execute(blocks_[static_cast<size_t>(line)], line, next) == Flow::End) break;
    line = next;
  }
  list_ = nullptr;
  return error_;
}

PathInterpreter::Flow PathInterpreter::Execute(const BlockWords& words, int32_t line,
                                               int32_t& next) {
  if (recording_ >= 0 && Record(words)) return Flow::Next;
  if (words.hasU && words.u > 0 && static_cast<size_t>(words.u) < kPatternMemoryCount) {
    recording_ = words.u;
    memories_[static_cast<size_t>(recording_)].entries.clear();
    return Flow::Next;
  }
  ApplyG(words);
  if (words.HasG(50)) return Flow::End;
  if (words.hasT) state_.punchTool = true;
  if (words.macro) {
    RunMacro(line);
  } else if (MovesTheTool(words) && !words.coordinateChange && !words.HasG(98) &&
             !IsGridBlock(words)) {
    const bool hit = state_.punchTool && state_.motion == 0 && !words.HasG(70) && !words.hasW;
    // The macro expansion keeps the last position for figures that leave one out.
    if (hasMacros_) FollowPosition(line);
    Move(words, line, hit);
  }
  if (words.hasW && IsGridBlock(words)) WalkGrid(words, line);
  if (words.hasW && !IsGridBlock(words) && words.w >= 90 && words.w <= 99 &&
      !memories_[static_cast<size_t>(words.w)].entries.empty()) {
    ReplayMemory(words.w, state_.at, line);
  }
  if (words.HasM(2) || words.HasM(30)) return Flow::End;
  if (IsCall(words)) return Call(words, line, next);
  if (words.HasM(99)) return Return(next);
  return Flow::Next;
}

// A position, or in an arc mode a centre alone ("G02I10."): a full circle back to the start.
bool PathInterpreter::MovesTheTool(const BlockWords& words) const {
  const bool arc = state_.motion == 2 || state_.motion == 3;
  return words.hasX || words.hasY || (arc && (words.hasI || words.hasJ));
}

void PathInterpreter::ApplyG(const BlockWords& words) {
  for (size_t at = 0; at < words.gCount; ++at) {
    const int32_t g = words.g[at];
    if (g >= 0 && g <= 3) state_.motion = g;
    if (g == 70) state_.motion = 0;
    if (g == 90 || g == 91) state_.incremental = g == 91;
    if (g == 98) {
      grid_ = {words.hasX ? words.x : grid_.x0,
               words.hasY ? words.y : grid_.y0,
               words.i,
               words.j,
               words.p,
               words.k};
    }
  }
}

void PathInterpreter::RunMacro(int32_t line) {
  std::vector<std::u16string> produced;
  const int32_t result = macro_->ExpandNextLine(lines_[static_cast<size_t>(line)],
                                                state_.incremental ? 1 : 0, produced, line + 1);
  if (result == -2) return Fail(DrawError::MacroRefused);
  for (std::u16string& text : produced) {
    if (text == kFigureMarker) continue;
    ReplaceAll(text, kPositioningMarker, u"");
    const BlockWords words = ReadBlockWords(text, unitFactor_);
    ApplyG(words);
    if ((words.hasX || words.hasY) && !words.coordinateChange) {
      Move(words, line, state_.punchTool && state_.motion == 0);
    }
  }
}

void PathInterpreter::FollowPosition(int32_t line) {
  std::vector<std::u16string> ignored;
  macro_->ExpandNextLine(lines_[static_cast<size_t>(line)], state_.incremental ? 1 : 0, ignored,
                         line + 1);
}

void PathInterpreter::RapidTo(Point to, int32_t line) {
  if (!state_.known) {
    list_->Reach(to);
  } else if (!SamePoint(state_.at, to)) {
    AddSegment({SegmentKind::Rapid, state_.at, to, {}, 0, false, line});
  }
  state_.at = to;
  state_.known = true;
}

void PathInterpreter::Move(const BlockWords& words, int32_t line, bool hitAtEnd) {
  const Point from = state_.at;
  Point to = from;
  if (words.hasX) to.x = state_.incremental ? from.x + words.x : words.x;
  if (words.hasY) to.y = state_.incremental ? from.y + words.y : words.y;
  switch (state_.motion) {
    case 0:
      RapidTo(to, line);
      break;
    case 1:
      AddSegment({SegmentKind::Line, from, to, {}, 0, false, line});
      break;
    default:
      DrawArc(words, from, to, line);
      break;
  }
  state_.at = to;
  state_.known = true;
  if (hitAtEnd) AddSegment({SegmentKind::Hit, to, to, {}, 0, false, line});
}

void PathInterpreter::DrawArc(const BlockWords& words, Point from, Point to, int32_t line) {
  const bool clockwise = state_.motion == 2;
  Point centre;
  if (words.hasI || words.hasJ) {
    centre = {from.x + words.i, from.y + words.j};
  } else if (!words.hasR || SamePoint(from, to) ||
             ArcCentreFromRadius(from, to, std::fabs(words.r), clockwise ? -1 : 1,
                                 words.r < 0 ? -1 : 1, centre) != 0) {
    return Fail(DrawError::ArcWithoutCentre);
  }
  const double radius = Distance(centre, from);
  if (SamePoint(from, to)) {
    AddSegment({SegmentKind::Circle, from, to, centre, radius, clockwise, line});
  } else {
    AddSegment({SegmentKind::Arc, from, to, centre, radius, clockwise, line});
  }
}

bool PathInterpreter::Record(const BlockWords& words) {
  if (words.hasV) {
    recording_ = -1;
    return true;
  }
  auto& entries = memories_[static_cast<size_t>(recording_)].entries;
  if (!words.hasX && !words.hasY) return true;
  const Point last = entries.empty() ? Point{} : entries.back();
  if (entries.size() < kMaxMemoryEntries) {
    entries.push_back({words.hasX ? words.x : last.x, words.hasY ? words.y : last.y});
  }
  return true;
}

void PathInterpreter::ReplayMemory(int32_t number, Point base, int32_t line) {
  const auto& entries = memories_[static_cast<size_t>(number)].entries;
  // A grid over an empty memory punches once at each of its points.
  if (entries.empty()) AddSegment({SegmentKind::Hit, base, base, {}, 0, false, line});
  for (const Point& entry : entries) {
    const Point hit{base.x + entry.x, base.y + entry.y};
    RapidTo(hit, line);
    AddSegment({SegmentKind::Hit, hit, hit, {}, 0, false, line});
  }
}

void PathInterpreter::WalkGrid(const BlockWords& words, int32_t line) {
  const PatternCode code = words.HasG(75) ? PatternCode::G75 : PatternCode::G76;
  const auto room =
      static_cast<size_t>(kMaxSegments - std::min(kMaxSegments, list_->Segments().size()));
  const auto points = GridPoints(grid_, code, words.q, 4, room);
  if (!points) return Fail(DrawError::UnknownPattern);
  const int32_t number =
      words.w > 0 && static_cast<size_t>(words.w) < kPatternMemoryCount ? words.w : 0;
  for (const Point& point : *points) {
    RapidTo(point, line);
    ReplayMemory(number, point, line);
    if (list_->Segments().size() >= kMaxSegments) return;
  }
}

PathInterpreter::Flow PathInterpreter::Call(const BlockWords& words, int32_t line, int32_t& next) {
  const bool byNumber = hasM98H_ && words.hasH;
  const std::unordered_map<int32_t, int32_t>& labels = byNumber ? nLabels_ : oLabels_;
  const auto label = labels.find(byNumber ? words.h : words.p);
  if ((!byNumber && !words.hasP) || label == labels.end()) {
    Fail(DrawError::MissingLabel);
    return Flow::Next;
  }
  if (returnStack_.size() >= kMaxReturnStack) {
    // Nesting this deep is a runaway recursion: the machine would stop with an alarm, and
    // skipping the call would walk a tree that can double with every level.
    Fail(DrawError::CallTooDeep);
    return Flow::End;
  }
  returnStack_.push_back(line + 1);
  // The label's own block runs too: an N label carries the subprogram's first block.
  next = label->second;
  return Flow::Jump;
}

PathInterpreter::Flow PathInterpreter::Return(int32_t& next) {
  // A return without a call ends the program, as the end of a subprogram run on its own does.
  if (returnStack_.empty()) return Flow::End;
  next = returnStack_.back();
  returnStack_.pop_back();
  return Flow::Jump;
}

void PathInterpreter::AddSegment(const Segment& segment) {
  if (list_->Segments().size() >= kMaxSegments) return Fail(DrawError::TooMuchWork);
  list_->Add(segment);
}

void PathInterpreter::Fail(DrawError error) {
  if (error_ == 0 || error == DrawError::TooMuchWork) error_ = static_cast<int32_t>(error);
}

}  // namespace qv
