#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "convert/ConversionTable.h"
#include "platform/UserInteraction.h"
#include "settings/Settings.h"

namespace qv {

// How the program was started, as far as file input and output care: an operator chooses the
// files; the host (forwarding start) or the settings (automatic start) gave the paths, and
// the automatic start asks nothing.
enum class NcFileStart { Operator, Host, Automatic };

// Limits of an NC program read from a file, checked as it is read: a larger file, a longer
// line or more lines are refused whole (the program read before stays), so a hostile file
// never costs more memory than these allow.
inline constexpr uint64_t kMaxNcFileBytes = 64ull * 1024 * 1024;
inline constexpr size_t kMaxNcLineLength = 4096;
inline constexpr size_t kMaxNcLines = 200000;

// Why an NC file was not read: ReadNcFile's and LoadNcFile's negative results.
inline constexpr int32_t kNcFileUnreadable = -1;
inline constexpr int32_t kNcFileTooLarge = -2;      // more than kMaxNcFileBytes
inline constexpr int32_t kNcFileTooManyLines = -3;  // more than kMaxNcLines
inline constexpr int32_t kNcFileLineTooLong = -4;   // a line longer than kMaxNcLineLength
inline constexpr int32_t kNcFileNotPlain = -5;      // a device or a pipe: it could read without end

// The message for a refused NC file (kNcFileTooLarge and below), naming the limit.
std::u16string NcFileLimitMessage(int32_t status, const std::u16string& path);

// Reads a whole NC program as it stands (no conversion table) within the limits above: 0 or a
// kNcFile status; for kNcFileUnreadable, fileStatus holds the text file's status.
int32_t ReadNcProgram(const std::u16string& path, std::vector<std::u16string>& lines,
                      int32_t& fileStatus);

// The file state of the application that outlives one CNcFileIO.
struct NcFileState {
  std::u16string currentInputPath;  // the NC file last loaded
  std::u16string inputFileName;     // the file name last chosen in the open dialog
  WorkingInputTable inputTable;
  bool operator==(const NcFileState&) const = default;
};

// What one CNcFileIO works on; everything belongs to the application or the run.
struct NcFileContext {
  UserInteraction& interaction;
  Settings& settings;  // folders, filter lists and entries, conversion type, debug, input sets
  NcFileState& state;
  std::vector<std::u16string>& sourceLines;  // the engine's program as read
  std::vector<std::u16string>& outputLines;  // the engine's program as converted
  int32_t& lastRunConverted;                 // the run's record of its previous conversion
  int32_t inputConversionSet = -1;           // the selected post's position, -1 for none
  NcFileStart start = NcFileStart::Operator;
  std::u16string startInputPath;  // the host's or the settings' paths
  std::u16string startOutputPath;
};

// Moves NC programs between files and the engine: reads with the input conversion table,
// writes the converted program, and carries the operator's side (file dialogs, remembered
// folders and filters, the failure message, the overwrite question).
class CNcFileIO {
 public:
  explicit CNcFileIO(NcFileContext context) : c_(std::move(context)) {}
  virtual ~CNcFileIO() = default;

  // Reads path into the source lines (output lines emptied), applying the per-line rules of
  // the input table; set >= 0 loads that input set first in machine conversion. 0, or one of
  // the kNcFile statuses (the lines are then as they were).
  int32_t ReadNcFile(const std::u16string& path, int32_t set);
  // ReadNcFile with the selected set (path empty: the current input path), then, in machine
  // conversion, the input table's program-level rules. 0 or a kNcFile status.
  int32_t LoadNcFile(const std::u16string& path);
  // "入力": the open dialog (or the start path), the load, its message on failure. 0 loaded,
  // -1 cancelled or failed, or the kNcFile status of a file refused by a limit.
  int32_t InputNcFile();
  // "出力": the save dialog (or the start path) and the write. 0 written (or nothing to write),
  // -1 cancelled, refused or failed; a failed write leaves the old file.
  int32_t OutputNcFile();

 private:
  std::u16string ChooseInputPath();
  std::u16string ChooseOutputPath(bool& cancelled);
  int32_t WriteOutput(const std::u16string& path);

  NcFileContext c_;
};

}  // namespace qv
