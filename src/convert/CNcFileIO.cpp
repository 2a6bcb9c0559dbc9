#include "convert/CNcFileIO.h"

#include <filesystem>
#include <system_error>

#include "convert/ConversionRules.h"
#include "convert/FileFilterList.h"
#include "nctext/Cnltextfilerw.h"
#include "nctext/StringUtil.h"
#include "nctext/TextFileReplace.h"
#include "platform/Codec.h"
#include "platform/FileReplace.h"

namespace qv {
namespace {

constexpr char16_t kHiddenMarkerLine[] = u"[CUT-FIG-CONDITION]";

std::u16string FileNameOf(std::u16string_view path) {
  const size_t slash = path.rfind(u'/');
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

// The save dialog's proposal: the input file name up to its first ".", empty without one.
std::u16string ProposedName(std::u16string_view inputFileName) {
  const size_t dot = inputFileName.find(u'.');
  return dot == std::u16string_view::npos ? std::u16string()
                                          : std::u16string(inputFileName.substr(0, dot));
}

// kNcFileTooLarge or kNcFileNotPlain for a file that must not be read, else 0.
int32_t CheckNcFileSize(const std::u16string& path) {
  std::error_code failed;
  const std::filesystem::path native(ToUtf8(path));
  if (!std::filesystem::exists(native, failed)) return 0;  // the open reports it
  if (!std::filesystem::is_regular_file(native, failed)) return kNcFileNotPlain;
  const uintmax_t size = std::filesystem::file_size(native, failed);
  return failed || size > kMaxNcFileBytes ? kNcFileTooLarge : 0;
}

// Reads every line into lines through rules, within the line limits; 0 or a kNcFile status, and
// for kNcFileUnreadable the text file's status in fileStatus.
int32_t ReadLines(Cnltextfilerw& file, const LineRules& rules, std::vector<std::u16string>& lines,
                  int32_t& fileStatus) {
  std::u16string line;
  while ((fileStatus = file.ReadString(line)) == kTextOk) {
    if (line.size() > kMaxNcLineLength) return kNcFileLineTooLong;
    if (lines.size() == kMaxNcLines) return kNcFileTooManyLines;
    rules.Apply(line);
    lines.push_back(std::move(line));
  }
  if (fileStatus != kTextEndOfFile) return kNcFileUnreadable;
  fileStatus = file.Close();
  return fileStatus == kTextOk ? 0 : kNcFileUnreadable;
}

}  // namespace

int32_t ReadNcProgram(const std::u16string& path, std::vector<std::u16string>& lines,
                      int32_t& fileStatus) {
  fileStatus = kTextOk;
  if (const int32_t refused = CheckNcFileSize(path); refused != 0) return refused;
  Cnltextfilerw file;
  if ((fileStatus = file.Open(path, OpenMode::Read)) != kTextOk) return kNcFileUnreadable;
  const ConversionTable none;
  return ReadLines(file, LineRules(none), lines, fileStatus);
}

std::u16string NcFileLimitMessage(int32_t status, const std::u16string& path) {
  std::u16string reason;
  switch (status) {
    case kNcFileTooLarge:
      reason = Sprintf("ファイルが %llu MB を超えています",
                       static_cast<unsigned long long>(kMaxNcFileBytes >> 20));
      break;
    case kNcFileTooManyLines:
      reason = Sprintf("行数が %zu 行を超えています", kMaxNcLines);
      break;
    case kNcFileLineTooLong:
      reason = Sprintf("%zu 文字を超える行があります", kMaxNcLineLength);
      break;
    case kNcFileNotPlain:
      reason = u"通常のファイルではありません";
      break;
    default:
      break;
  }
  return FormatText(u"NCファイルを読み込めません（%s）。\n[%s]", {reason, path});
}

int32_t CNcFileIO::ReadNcFile(const std::u16string& path, int32_t set) {
  if (path.empty()) return kNcFileUnreadable;
  if (const int32_t refused = CheckNcFileSize(path); refused != 0) return refused;
  Cnltextfilerw file;
  if (file.Open(path, OpenMode::Read) != kTextOk) return kNcFileUnreadable;
  WorkingInputTable& input = c_.state.inputTable;
  if (set >= 0 && c_.settings.conversionType == 0) {
    SelectInputSet(c_.settings, set, input);
    input.marked = true;
  }
  const ConversionTable unmarked;
  const LineRules rules(input.marked ? input.table : unmarked);
  // The program changes only when the whole file was read.
  std::vector<std::u16string> lines;
  int32_t fileStatus = kTextOk;
  if (const int32_t status = ReadLines(file, rules, lines, fileStatus); status != 0) return status;
  c_.sourceLines = std::move(lines);
  c_.outputLines.clear();
  return 0;
}

int32_t CNcFileIO::LoadNcFile(const std::u16string& path) {
  WaitCursor wait(c_.interaction);
  const std::u16string& chosen = path.empty() ? c_.state.currentInputPath : path;
  if (chosen.empty()) return kNcFileUnreadable;
  if (const int32_t status = ReadNcFile(chosen, c_.inputConversionSet); status != 0) return status;
  if (c_.settings.conversionType == 0) ApplyProgramRules(c_.state.inputTable.table, c_.sourceLines);
  return 0;
}

std::u16string CNcFileIO::ChooseInputPath() {
  if (c_.start != NcFileStart::Operator) return c_.startInputPath;
  Settings& s = c_.settings;
  const FileDialog dialog{FileDialogKind::Open, s.loadFilePath, u"", ParseFilterList(s.loadFilter),
                          s.extRNo};
  const std::optional<FileChoice> choice = c_.interaction.ChooseFile(dialog);
  if (!choice) return {};
  c_.state.inputFileName = FileNameOf(choice->path);
  const FilterListUpdate update = UpdateFilterList(s.loadFilter, choice->filterIndex, choice->path);
  s.loadFilter = update.list;
  s.extRNo = update.index;
  return choice->path;
}

int32_t CNcFileIO::InputNcFile() {
  const std::u16string path = ChooseInputPath();
  if (path.empty()) {
    c_.lastRunConverted = 0;
    return -1;
  }
  if (const int32_t status = LoadNcFile(path); status != 0) {
    const std::u16string text =
        status == kNcFileUnreadable
            ? FormatText(u"NCファイルの読み込みに失敗しました。\n[%s]", {path})
            : NcFileLimitMessage(status, path);
    c_.interaction.ShowMessage({MessageKind::Exclamation, text, kMessageCaption});
    return status;
  }
  // Paths are case-sensitive here: the folder is kept as it was typed.
  c_.settings.loadFilePath = path.substr(0, path.size() - FileNameOf(path).size());
  c_.state.currentInputPath = path;
  c_.lastRunConverted = 0;
  return 0;
}

std::u16string CNcFileIO::ChooseOutputPath(bool& cancelled) {
  cancelled = false;
  if (c_.start != NcFileStart::Operator) return c_.startOutputPath;
  Settings& s = c_.settings;
  const FileDialog dialog{FileDialogKind::Save, s.saveFilePath,
                          ProposedName(c_.state.inputFileName), ParseFilterList(s.saveFilter),
                          s.extWNo};
  const std::optional<FileChoice> choice = c_.interaction.ChooseFile(dialog);
  if (!choice) {
    cancelled = true;
    return {};
  }
  const FilterListUpdate update = UpdateFilterList(s.saveFilter, choice->filterIndex, choice->path);
  s.saveFilter = update.list;
  s.extWNo = update.index;
  return choice->path;
}

int32_t CNcFileIO::OutputNcFile() {
  bool cancelled = false;
  const std::u16string path = ChooseOutputPath(cancelled);
  if (cancelled) return -1;
  if (c_.settings.debug == 1) {
    c_.interaction.ShowMessage({MessageKind::Exclamation,
                                u"debug mode　ＮＣ出力\n\n出力　[ " + path + u" ]",
                                kMessageCaption});
  }
  if (path.empty()) return 0;
  if (c_.start != NcFileStart::Automatic && PathExists(path)) {
    const Question question{QuestionKind::YesNo, path + u"は既に存在します。\n上書きしますか？",
                            kMessageCaption};
    if (c_.interaction.Ask(question) != Answer::Yes) return -1;
  }
  WaitCursor wait(c_.interaction);
  return WriteOutput(path);
}

int32_t CNcFileIO::WriteOutput(const std::u16string& path) {
  std::vector<std::u16string> lines;
  lines.reserve(c_.outputLines.size());
  for (const std::u16string& line : c_.outputLines) {
    if (line != kHiddenMarkerLine) lines.push_back(line);
  }
  if (ReplaceTextFile(path, lines) != kTextOk) return -1;
  const size_t slash = path.rfind(u'/');
  if (slash != std::u16string::npos) c_.settings.saveFilePath = path.substr(0, slash);
  return 0;
}

}  // namespace qv
