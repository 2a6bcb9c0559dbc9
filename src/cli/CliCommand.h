#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "macro/MacroOptions.h"

namespace qv {

// Exit codes of quorvalen-cli.
inline constexpr int kCliOk = 0;
inline constexpr int kCliUnconvertible = 1;  // some line cannot be converted
inline constexpr int kCliFailure = 2;        // bad arguments, unreadable input, unwritable output

enum class CliCommandKind { Help, Check, Expand };

// The command line of quorvalen-cli, parsed.
struct CliArguments {
  CliCommandKind command = CliCommandKind::Help;
  std::string inputPath;   // UTF-8, as given
  std::string outputPath;  // empty: standard output
  MacroOptions options;

  bool operator==(const CliArguments&) const = default;
};

// Parses the arguments after the program name; nullopt with `error` set when they are wrong.
std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args,
                                              std::string& error);

// Runs the tool: `out` receives the listing or the expanded program, `err` the messages.
// Returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// An NC program file as read, within the program's input limits; nullopt after a message on
// err, which names the file as `named` (when given) or by its path, when it cannot be read or
// is refused.
std::optional<std::vector<std::u16string>> ReadProgram(const std::string& path, std::ostream& err,
                                                       const std::string& named = {});

// The text --help prints.
std::string CliHelpText();

}  // namespace qv
