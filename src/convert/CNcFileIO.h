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
  // the input table; set >= 0 loads that input set first in machine conversion. 0 or -1.
  int32_t ReadNcFile(const std::u16string& path, int32_t set);
  // ReadNcFile with the selected set (path empty: the current input path), then, in machine
  // conversion, the input table's program-level rules. 0 or -1.
  int32_t LoadNcFile(const std::u16string& path);
  // "入力": the open dialog (or the start path), the load, its message on failure. 0 loaded,
  // -1 cancelled or failed.
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
