#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv {

// The arguments of "quorvalen-cli convert" (UTF-8 paths as given).
struct ConvertArguments {
  std::string inputPath;
  std::string outputPath;
  std::string home;  // the program folder whose System files are used; empty: the tool's own
  std::string post;  // empty: the settings' selection
  std::string material;
  std::string thickness;
  bool operator==(const ConvertArguments&) const = default;
};

// Parses the arguments after "convert"; nullopt with `error` set when they are wrong.
std::optional<ConvertArguments> ParseConvertArguments(const std::vector<std::string>& args,
                                                      std::string& error);

// Converts as the automatic mode does, on a scratch copy of the program folder's System files
// so that neither the settings nor the posts change. Prints the result line on `out` and
// returns its code; 2 when the run wrote no result line.
int RunConvert(const ConvertArguments& args, const std::u16string& programFolder, std::ostream& out,
               std::ostream& err);

}  // namespace qv
