#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macro/FigureContours.h"
#include "macro/MacroOptions.h"
#include "macro/MacroPatterns.h"
#include "macro/MacroWords.h"
#include "macro/RotatedSubprogram.h"
#include "platform/WorkLimit.h"

namespace qv {

// Most lines one expansion (one run of ExpandInPlace or CheckAndExpand) may produce in all, so
// that a short program of large patterns cannot exhaust memory; half a million lines is far
// more than a machine's program memory holds. A line whose lines would pass what is left is
// refused as unconvertible before they are made (a pattern is judged by its first figure).
inline constexpr size_t kMaxExpansionLines = WorkLimit<size_t>(500000);

// Why a line that reads well was still refused.
enum class MacroRefusal {
  ControlCharacter,   // the line holds a control character other than a tab
  PatternTooLarge,    // one pattern line would produce more than its line limit
  ExpansionTooLarge,  // the program's expansion would pass kMaxExpansionLines
  Unprintable,        // a value to print has no NC text (not a number, or too large)
};

// A refused line: its number (as listed) and the reason.
struct MacroRefusalEntry {
  int32_t lineNumber = 0;
  MacroRefusal reason = MacroRefusal::Unprintable;
  bool operator==(const MacroRefusalEntry&) const = default;
};

// Expands figure macros (G111 to G116), pattern macros (G126 to G137) and, while a G68
// rotation is on, subprogram calls into plain moves. One object serves one run; the rotation
// state carries over between runs on the same object.
class CGMacroChg {
 public:
  CGMacroChg();
  virtual ~CGMacroChg();

  // The options the expansion reads (decimal places, exact stop, cutter side).
  void SetOptions(const MacroOptions& options) { options_ = options; }
  // The caller's unconvertible-data list and warning list; entries are appended to them. A
  // list left unset (null) is not written.
  void SetReportLists(std::vector<std::u16string>* unconvertible,
                      std::vector<std::u16string>* warnings);

  // Replaces every macro line of the program by its expansion and removes figure lines that
  // only define a figure for later patterns; 1 when any line was replaced or removed, else 0.
  int32_t ExpandInPlace(std::vector<std::u16string>& lines);
  // Writes the expanded copy of the program to `out`, keeping figure-definition lines; -1 when
  // any line was rejected, else 1 when any line was expanded, else 0.
  int32_t CheckAndExpand(const std::vector<std::u16string>& lines,
                         std::vector<std::u16string>& out);
  // Expands one line: 0 expanded (out holds the replacement), -2 rejected (recorded as
  // unconvertible), -3 not a macro line (or a figure without position), -4 blank, comment-only
  // or GOTO line. `lineNumber` (1-based) is what the lists show.
  int32_t ExpandLine(std::u16string_view line, int32_t mode, std::vector<std::u16string>& out,
                     int32_t lineNumber);
  // Expands one line as the next line of a program read in order, as the whole-program runs do:
  // the position and figure words it carries stay for the lines after it. Results as ExpandLine.
  int32_t ExpandNextLine(std::u16string_view line, int32_t mode, std::vector<std::u16string>& out,
                         int32_t lineNumber);
  // The distance mode after a line: unchanged without G90/G91, else 1 (incremental) when G91
  // stands at or after the first G90 or there is no G90, 0 otherwise.
  static int32_t DetectDistanceMode(std::u16string_view line, int32_t mode);

  // Most lines one pattern line may produce; a pattern that would produce more is refused as
  // unconvertible, since one line must not exhaust memory.
  void SetPatternLineLimit(size_t limit) { patternLineLimit_ = limit; }

  // The lines of the last run that were refused for a reason other than a malformed value or
  // a failed check, in order; the caller turns the reasons into messages.
  const std::vector<MacroRefusalEntry>& Refusals() const { return refusals_; }

  int32_t RotationOn() const { return rotationOn; }
  double RotationAngle() const { return rotationAngle; }

 private:
  void ResetRun(const std::vector<std::u16string>& lines);
  int CheckWords();
  int CompleteModalWords();
  std::optional<MacroRefusal> RunMacro(int32_t lineNumber);
  std::optional<MacroRefusal> RunFigure(int32_t lineNumber);
  std::optional<MacroRefusal> RunPattern(int32_t lineNumber);
  SubprogramResult TryRotatedCall();
  std::optional<MacroRefusal> TakeFromBudget();
  int32_t Refuse(MacroRefusal reason, int32_t lineNumber);
  void FinishLine();
  void Record(std::vector<std::u16string>* list, int32_t lineNumber) const;
  FigureContext Context(double angle) const;

  std::u16string currentLine;
  std::vector<std::u16string> producedLines;
  MacroWords words;
  int32_t incremental = 0;
  int32_t lastG = -1;
  double lastX = 0;
  double lastY = 0;
  double modalI = 0;
  double modalJ = 0;
  double modalR = 0;
  double modalC = 0;
  double modalK = 0;
  MacroWords savedFigure;
  // Whether savedFigure passed its check: a pattern repeats only a figure that did, since the
  // geometry of an unchecked figure is undefined.
  bool savedFigureValid = false;
  bool lineFigureValid = false;
  FigureShape shape;
  double patternAngle = 0;
  int32_t rotationOn = 0;
  double rotationAngle = 0;
  // The program of the current run, read only while the run lasts (where subprogram blocks
  // are looked up).
  const std::vector<std::u16string>* programLines = nullptr;

  MacroOptions options_;
  size_t patternLineLimit_ = kMaxPatternLines;
  // What is left of kMaxExpansionLines in this run.
  size_t linesLeft_ = kMaxExpansionLines;
  std::vector<MacroRefusalEntry> refusals_;
  std::vector<std::u16string>* unconvertible_ = nullptr;
  std::vector<std::u16string>* warnings_ = nullptr;
};

}  // namespace qv
