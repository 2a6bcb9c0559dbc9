#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv {

// The arguments of "quorvalen-cli render" (UTF-8 paths as given).
struct RenderArguments {
  std::string inputPath;
  std::string outputPath;  // ".svg" or ".png"
  int32_t width = 800;
  int32_t height = 600;
  int32_t decimalIndex = 0;  // values without a point in 1/10 (0) to 1/10000 (3)
  bool converted = false;    // convert first and draw the output
  std::string home;          // the program folder whose posts the conversion uses
  bool operator==(const RenderArguments&) const = default;
};

// Parses the arguments after "render"; nullopt with `error` set when they are wrong.
std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args,
                                                    std::string& error);

// Draws the program (or its conversion) into OUT as the preview shows it. 0, or 2 when the
// input cannot be read, the conversion fails, or OUT cannot be written (PNG also when the
// tool was built without Qt).
int RunRender(const RenderArguments& args, const std::u16string& programFolder, std::ostream& out,
              std::ostream& err);

}  // namespace qv
