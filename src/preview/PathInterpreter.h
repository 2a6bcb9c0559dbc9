#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/G98Grid.h"
#include "platform/WorkLimit.h"
#include "preview/BlockWords.h"
#include "preview/DisplayList.h"

namespace qv {

class CGMacroChg;

// Why a block was not drawn; the first one of a pass is kept as the drawing's error code.
enum class DrawError : int32_t {
  None = 0,
  ArcWithoutCentre = 1,  // G02/G03 without I, J or R, or an R that no circle fits
  MacroRefused = 2,      // a figure or pattern macro the expansion refuses
  MissingLabel = 3,      // a call of a subprogram that is not in the program
  CallTooDeep = 4,       // more than kMaxReturnStack nested calls: the pass stops
  TooMuchWork = 5,       // the pass stopped at kMaxInterpretedBlocks or kMaxSegments
  UnknownPattern = 6,    // a G75/G76 kind without a traversal
};

inline constexpr size_t kMaxReturnStack = 50;
inline constexpr size_t kPatternMemoryCount = 100;
inline constexpr size_t kMaxMemoryEntries = 15;
// Bounds of one pass, so that nested calls or large grids cannot run away.
inline constexpr int64_t kMaxInterpretedBlocks = WorkLimit<int64_t>(1'000'000);
inline constexpr size_t kMaxSegments = WorkLimit<size_t>(4'000'000);

// One pattern memory: the positions recorded between U and V, relative to where it is replayed.
struct PatternMemory {
  std::vector<Point> entries;
  bool operator==(const PatternMemory&) const = default;
};

// Reads a program with punch-press semantics and records its path in a display list: moves in
// their motion mode (Y as written; the paint negates it), punch hits after a tool word, figure
// and pattern macros through the macro expansion, subprogram calls with a return stack, pattern
// memories and G98 grids walked by their traversal.
class PathInterpreter {
 public:
  PathInterpreter(const std::vector<std::u16string>& lines, double unitFactor, bool hasM98H);
  ~PathInterpreter();
  PathInterpreter(const PathInterpreter&) = delete;
  PathInterpreter& operator=(const PathInterpreter&) = delete;

  // Most blocks one run interprets (kMaxInterpretedBlocks unless set).
  void SetBlockLimit(int64_t limit) { blockLimit_ = limit; }

  // Interprets the program from its first line into `list` (emptied first). Returns the error
  // code: 0, or the first DrawError met.
  int32_t Run(DisplayList& list);

  // Line indexes of the returns, from the pre-scan.
  const std::vector<int32_t>& Returns() const { return returns_; }
  const std::array<PatternMemory, kPatternMemoryCount>& Memories() const { return memories_; }

 private:
  enum class Flow { Next, Jump, End };
  struct Position {
    Point at;
    int32_t motion = 0;
    bool incremental = false;
    bool punchTool = false;
    // Before the first positioning the tool's place is unknown, so no rapid move leads there.
    bool known = false;
  };

  void PreScan();
  Flow Execute(const BlockWords& words, int32_t line, int32_t& next);
  bool MovesTheTool(const BlockWords& words) const;
  void ApplyG(const BlockWords& words);
  void RunMacro(int32_t line);
  void FollowPosition(int32_t line);
  void RapidTo(Point to, int32_t line);
  void Move(const BlockWords& words, int32_t line, bool hitAtEnd);
  void DrawArc(const BlockWords& words, Point from, Point to, int32_t line);
  void ReplayMemory(int32_t number, Point base, int32_t line);
  void WalkGrid(const BlockWords& words, int32_t line);
  bool Record(const BlockWords& words);
  Flow Call(const BlockWords& words, int32_t line, int32_t& next);
  Flow Return(int32_t& next);
  void AddSegment(const Segment& segment);
  void Fail(DrawError error);

  const std::vector<std::u16string>& lines_;
  double unitFactor_;
  bool hasM98H_;
  std::vector<BlockWords> blocks_;
  bool hasMacros_ = false;
  std::unordered_map<int32_t, int32_t> oLabels_;  // line of each O number, for P calls
  std::unordered_map<int32_t, int32_t> nLabels_;  // line of each N number, for H calls
  std::vector<int32_t> returns_;
  std::array<PatternMemory, kPatternMemoryCount> memories_;
  int32_t recording_ = -1;
  std::vector<int32_t> returnStack_;
  G98Grid grid_;
  Position state_;
  std::unique_ptr<CGMacroChg> macro_;
  DisplayList* list_ = nullptr;
  int64_t blockLimit_ = kMaxInterpretedBlocks;
  int64_t blocksLeft_ = kMaxInterpretedBlocks;
  int32_t error_ = 0;
};

}  // namespace qv
