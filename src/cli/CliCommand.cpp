#include "cli/CliCommand.h"

#include <cstdint>

#include "cli/ConvertCommand.h"
#include "cli/RenderCommand.h"
#include "convert/CNcFileIO.h"
#include "macro/CGMacroChg.h"
#include "nctext/StringUtil.h"
#include "nctext/TextFileReplace.h"
#include "platform/Codec.h"
#include "platform/FileStatus.h"
#include "platform/ProgramFolder.h"

namespace qv {
namespace {

// Reads an option value "0".."max"; nullopt for anything else.
std::optional<int32_t> OptionValue(const std::string& text, int32_t max) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '0' + max) return std::nullopt;
  return text[0] - '0';
}

// Handles one "--name value" or "--name=value" option at args[at]; advances `at` past it.
bool ParseOption(const std::vector<std::string>& args, size_t& at, CliArguments& parsed,
                 std::string& error) {
  std::string name = args[at];
  std::optional<std::string> value;
  if (const size_t eq = name.find('='); eq != std::string::npos) {
    value = name.substr(eq + 1);
    name.resize(eq);
  } else if (name != "-o" && name != "--decimal" && name != "--exact-stop" && name != "--cutter") {
    error = "unknown option " + name;
    return false;
  } else if (at + 1 < args.size()) {
    value = args[++at];
  } else {
    error = "option " + name + " needs a value";
    return false;
  }
  struct Numeric {
    const char* name;
    int32_t max;
    int32_t* field;
  };
  const Numeric numeric[] = {{"--decimal", 3, &parsed.options.decimalIndex},
                             {"--exact-stop", 2, &parsed.options.exactStop},
                             {"--cutter", 1, &parsed.options.cutterSide}};
  for (const Numeric& option : numeric) {
    if (name != option.name) continue;
    const std::optional<int32_t> number = OptionValue(*value, option.max);
    if (!number) {
      error = name + " takes a number from 0 to " + std::to_string(option.max);
      return false;
    }
    *option.field = *number;
    return true;
  }
  if (name == "-o" && !value->empty()) {
    parsed.outputPath = *value;
    return true;
  }
  error = name == "-o" ? "option -o needs a file name" : "unknown option " + name;
  return false;
}

// Why an NC file was refused by an input limit.
std::string LimitText(int32_t status) {
  switch (status) {
    case kNcFileTooLarge:
      return "larger than " + std::to_string(kMaxNcFileBytes >> 20) + " MB";
    case kNcFileTooManyLines:
      return "more than " + std::to_string(kMaxNcLines) + " lines";
    case kNcFileLineTooLong:
      return "a line longer than " + std::to_string(kMaxNcLineLength) + " characters";
    default:
      return "not a plain file";
  }
}

void ReportFileFailure(std::string_view action, const std::string& path, int32_t status,
                       std::ostream& err) {
  err << "quorvalen-cli: cannot " << action << " " << path << ": " << FileStatusText(status)
      << "\n";
}

bool WriteProgram(const std::vector<std::u16string>& lines, const std::string& path,
                  std::ostream& out, std::ostream& err) {
  if (path.empty()) {
    std::string bytes;
    for (const std::u16string& line : lines) {
      AppendEncodedCp932(line, bytes);
      bytes += "\r\n";
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return true;
  }
  // Never into OUT itself: a failed write must leave it (it may be the input) as it was.
  const int32_t status = ReplaceTextFile(FromUtf8(path), lines);
  if (status == kTextOk) return true;
  ReportFileFailure("write", path, status, err);
  return false;
}

void PrintEntries(const std::vector<std::u16string>& entries, std::ostream& out) {
  for (const std::u16string& entry : entries) out << ToUtf8(entry) << '\n';
}

std::string RefusalText(MacroRefusal reason) {
  switch (reason) {
    case MacroRefusal::ControlCharacter:
      return "the line holds a control character (lone CR line ends make the file one line)";
    case MacroRefusal::PatternTooLarge:
      return "the pattern would produce more than " + std::to_string(kMaxPatternLines) + " lines";
    case MacroRefusal::ExpansionTooLarge:
      return "the expansion would produce more than " + std::to_string(kMaxExpansionLines) +
             " lines in all";
    case MacroRefusal::Unprintable:
      return "a value to write is not a number or needs more than 9 digits before the point";
  }
  return {};
}

// Why lines were refused, where a malformed value or a failed check does not say it.
void PrintRefusals(const std::vector<MacroRefusalEntry>& refusals, std::ostream& out) {
  for (const MacroRefusalEntry& refusal : refusals) {
    out << "line " << refusal.lineNumber << ": " << RefusalText(refusal.reason) << '\n';
  }
}

void PrintWarnings(const std::vector<std::u16string>& warnings, std::ostream& out) {
  if (warnings.empty()) return;
  out << "Warnings: macro lines that produce no moves:\n";
  PrintEntries(warnings, out);
}

int RunCheck(const CliArguments& args, std::ostream& out, std::ostream& err) {
  const auto lines = ReadProgram(args.inputPath, err);
  if (!lines) return kCliFailure;
  std::vector<std::u16string> unconvertible;
  std::vector<std::u16string> warnings;
  CGMacroChg macro;
  macro.SetOptions(args.options);
  macro.SetReportLists(&unconvertible, &warnings);
  std::vector<std::u16string> expanded;
  const int32_t result = macro.CheckAndExpand(*lines, expanded);
  PrintEntries(unconvertible, out);
  PrintRefusals(macro.Refusals(), out);
  PrintWarnings(warnings, out);
  return result == -1 ? kCliUnconvertible : kCliOk;
}

int RunExpand(const CliArguments& args, std::ostream& out, std::ostream& err) {
  auto lines = ReadProgram(args.inputPath, err);
  if (!lines) return kCliFailure;
  // The check gives the messages with the line numbers of the input; the in-place expansion
  // gives the program the converter works on (figure definitions removed).
  std::vector<std::u16string> unconvertible;
  std::vector<std::u16string> warnings;
  std::vector<std::u16string> checked;
  CGMacroChg check;
  check.SetOptions(args.options);
  check.SetReportLists(&unconvertible, &warnings);
  const int32_t result = check.CheckAndExpand(*lines, checked);
  CGMacroChg expand;
  expand.SetOptions(args.options);
  expand.ExpandInPlace(*lines);
  if (!WriteProgram(*lines, args.outputPath, out, err)) return kCliFailure;
  if (!unconvertible.empty()) err << "Unconvertible lines (left unchanged):\n";
  PrintEntries(unconvertible, err);
  PrintRefusals(check.Refusals(), err);
  PrintWarnings(warnings, err);
  return result == -1 ? kCliUnconvertible : kCliOk;
}

}  // namespace

std::optional<std::vector<std::u16string>> ReadProgram(const std::string& path, std::ostream& err,
                                                       const std::string& named) {
  const std::string& shown = named.empty() ? path : named;
  std::vector<std::u16string> lines;
  int32_t fileStatus = kTextOk;
  const int32_t status = ReadNcProgram(FromUtf8(path), lines, fileStatus);
  if (status == 0) return lines;
  if (status == kNcFileUnreadable) {
    ReportFileFailure("read", shown, fileStatus, err);
    return std::nullopt;
  }
  err << "quorvalen-cli: cannot read " << shown << ": " << LimitText(status) << "\n";
  return std::nullopt;
}

std::string CliHelpText() {
  return "Usage: quorvalen-cli check FILE [options]\n"
         "       quorvalen-cli expand FILE [-o OUT] [options]\n"
         "       quorvalen-cli convert FILE -o OUT [--home DIR] [--post P --material M\n"
         "                             --thickness T]\n"
         "       quorvalen-cli render FILE -o OUT.svg|OUT.png [--size WxH] [--decimal N]\n"
         "                            [--converted [--home DIR]]\n"
         "\n"
         "check   lists the lines of FILE that cannot be converted (line number, four spaces,\n"
         "        the line), then any macro lines that produce no moves under a heading.\n"
         "        Exit code 1 when a line cannot be converted, else 0.\n"
         "expand  writes FILE with its figure and pattern macros expanded into plain moves\n"
         "        (code page 932, CR LF) to OUT, or to standard output without -o. Lines that\n"
         "        cannot be converted stay unchanged and are listed on standard error\n"
         "        (exit code 1).\n"
         "convert converts FILE as the automatic mode does, with the posts and settings of the\n"
         "        program folder (or DIR; the post, material and thickness as given, else the\n"
         "        settings' own), changing neither, and writes the result to OUT. Prints the\n"
         "        result line (\"0 正常終了\" or a failure such as \"107 "
         "入力データがありません\")\n"
         "        and exits with its code (0, or 103 to 112; 2 when the run stopped without one).\n"
         "render  draws FILE as the preview shows it (default 800x600) into an SVG or PNG\n"
         "        file; with --converted, draws the output of converting FILE as convert\n"
         "        does (with the posts under DIR). PNG needs the build with Qt.\n"
         "\n"
         "Options:\n"
         "  --decimal N     0..3: subprogram coordinates with 1 to 4 decimals (default 0)\n"
         "  --exact-stop N  0 G09 on the approach, 1 G00 corner stops, 2 none (default 0)\n"
         "  --cutter N      0 left-hand G41, 1 right-hand G42 (default 0)\n"
         "  -o OUT          the output file of expand\n"
         "  --help          this text\n"
         "\n"
         "A missing or unreadable FILE, or wrong arguments, give exit code 2.\n";
}

std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args,
                                              std::string& error) {
  CliArguments parsed;
  std::vector<std::string> positional;
  for (size_t at = 0; at < args.size(); ++at) {
    if (args[at] == "--help" || args[at] == "-h") return CliArguments{};
    if (args[at].size() > 1 && args[at][0] == '-') {
      if (!ParseOption(args, at, parsed, error)) return std::nullopt;
    } else {
      positional.push_back(args[at]);
    }
  }
  if (positional.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  if (positional[0] == "check") {
    parsed.command = CliCommandKind::Check;
  } else if (positional[0] == "expand") {
    parsed.command = CliCommandKind::Expand;
  } else {
    error = "unknown command " + positional[0];
    return std::nullopt;
  }
  if (positional.size() != 2) {
    error = positional.size() < 2 ? "no input file given" : "more than one input file given";
    return std::nullopt;
  }
  if (parsed.command == CliCommandKind::Check && !parsed.outputPath.empty()) {
    error = "option -o belongs to expand";
    return std::nullopt;
  }
  parsed.inputPath = positional[1];
  return parsed;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  if (!args.empty() && args[0] == "convert") {
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::optional<ConvertArguments> convert = ParseConvertArguments(rest, error);
    if (convert) return RunConvert(*convert, ProgramFolder(), out, err);
    err << "quorvalen-cli: " << error << "\n"
        << "Try 'quorvalen-cli --help'.\n";
    return kCliFailure;
  }
  if (!args.empty() && args[0] == "render") {
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::optional<RenderArguments> render = ParseRenderArguments(rest, error);
    if (render) return RunRender(*render, ProgramFolder(), out, err);
    err << "quorvalen-cli: " << error << "\n"
        << "Try 'quorvalen-cli --help'.\n";
    return kCliFailure;
  }
  const std::optional<CliArguments> parsed = ParseCliArguments(args, error);
  if (!parsed) {
    err << "quorvalen-cli: " << error << "\n"
        << "Try 'quorvalen-cli --help'.\n";
    return kCliFailure;
  }
  switch (parsed->command) {
    case CliCommandKind::Help:
      out << CliHelpText();
      return kCliOk;
    case CliCommandKind::Check:
      return RunCheck(*parsed, out, err);
    case CliCommandKind::Expand:
      return RunExpand(*parsed, out, err);
  }
  return kCliFailure;
}

}  // namespace qv
