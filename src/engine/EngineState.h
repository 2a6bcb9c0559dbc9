#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/EngineLimits.h"
#include "macro/PlaneGeometry.h"

namespace qv {

// Kind of process block (and of the process a process-code search found).
enum class BlockKind { None, Cutting, Punching, Marking };

// Modal motion of a line.
enum class Motion { None, G00, G01, G02, G03 };

// One path element of the figure being cut; radius and centre are 0 for a line.
struct PathElement {
  Motion motion = Motion::None;
  Element geometry;
  bool operator==(const PathElement&) const = default;
};

// Where the tool is: the current move, the values of the current and the previous line, the
// arc data and the G93 origin with its last shift.
struct MovePositions {
  Point start;
  Point end;
  Point current;
  Point previous;
  double currentR = 0;
  double currentI = 0;
  double currentJ = 0;
  double previousR = 0;
  double previousI = 0;
  double previousJ = 0;
  Point centre;
  double radius = 0;
  Point g93Origin;
  Point g93Shift;
  bool operator==(const MovePositions&) const = default;
};

// One subprogram dictionary entry: the name between "M102(" and ")" and the body between
// "M100[" and "]".
struct DictionaryEntry {
  std::u16string name;
  std::u16string body;
  bool operator==(const DictionaryEntry&) const = default;
};

using LineList = std::vector<std::u16string>;

// What the pattern subprogram conversion of a run hands to the subprogram origin pass: whether
// it rewrote the source lines in this run, one origin line and one shift line per grid point
// (either list may be empty), and the call indexes the pass records.
struct SubprogramOrigins {
  bool pending = false;
  LineList originLines;
  LineList shiftLines;
  std::vector<int32_t> callIndexes;
};

// Everything the conversion passes read and write: the program in its successive forms, the
// per-run tables and the walk state. The engine owns one; each pass works over it.
struct EngineState {
  EngineState();

  LineList sourceLines;
  LineList normalizedLines;
  LineList outputLines;
  LineList viewLines;  // never filled by the engine
  LineList codeFrom;
  LineList codeTo;
  LineList stringFrom;
  LineList stringTo;
  std::array<std::u16string, kWordSlotCount> wordValues;  // X, Y, Z, R, I, J
  // Work lists of one conversion: the source without ";" and the program after macro
  // expansion, before word normalization.
  LineList strippedLines;
  LineList expandedLines;

  std::u16string currentLine;
  std::u16string currentXY;
  int32_t codeCount = 0;
  BlockKind blockKind = BlockKind::None;
  Motion modalMotion = Motion::None;
  int32_t incremental = -1;  // -1 not set, 0 absolute, 1 incremental
  int32_t arcMode = -1;      // -1 not set, 0 R, 1 I/J
  int32_t blockState = 0;    // 0 none, 1 cutting, 2 punching, 3 marking
  int32_t lineIndex = 0;
  int32_t firstElementPending = 0;
  int32_t lastConditionClass = -1;
  int32_t sequenceNumber = 0;
  MovePositions positions;
  Box figureBox;
  double figureSize = 0;
  int32_t figureKind = 0;  // 0 none, 1 line, 2 arc
  std::array<double, kClassLimitCount> classLimits{};
  double workChuteSize = 0;
  std::u16string subprogramName;
  // The process the latest process-code search found; no reset clears it.
  BlockKind processFoundLast = BlockKind::None;
  // Block generation state that no reset clears either, so it carries over between runs: the
  // last emitted condition template (before expansion), the engine's copy of the post's marker
  // slot, whether the program carries its own number, whether a sequence number line was just
  // written for a figure marker line, and whether a "G92X0Y0" line is due.
  std::u16string lastCondition;
  std::u16string cutConditionMarker;
  int32_t ownProgramNumber = 0;
  int32_t sequenceJustEmitted = 0;
  int32_t originResetPending = 0;

  // The match table: four parallel columns of kMaxMatches entries.
  std::vector<int32_t> matchLine;
  std::vector<int32_t> matchStart;
  std::vector<int32_t> matchEnd;
  std::vector<int32_t> matchCode;
  int32_t matchCount = 0;

  std::array<int32_t, kFlagCount> gFlags{};
  std::array<int32_t, kFlagCount> mFlags{};

  // The element list of the current figure: kMaxElements slots, elementCount in use.
  std::vector<PathElement> elements;
  int32_t elementCount = 0;

  SubprogramOrigins subprogramOrigins;
  // The special code file the last preparation read; the dictionary rewrite reads its pairs.
  std::u16string specialCodePath;

  // Absent until the first preparation; emptied, not dropped, by later ones.
  std::optional<std::vector<DictionaryEntry>> dictionary;

  // Records a match; false (nothing stored) when the table is full.
  bool AddMatch(int32_t line, int32_t start, int32_t end, int32_t code);
  // Records an element; false (nothing stored) when the list is full, so a longer figure
  // keeps its first kMaxElements elements.
  bool AddElement(const PathElement& element);
};

}  // namespace qv
