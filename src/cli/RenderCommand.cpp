#include "cli/RenderCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/ScratchFolder.h"
#include "platform/Codec.h"
#include "platform/FileReplace.h"
#include "platform/FileStatus.h"
#include "preview/Cncdatadraw.h"
#include "preview/SvgCanvas.h"
#ifdef QV_HAS_PNG
#include "gui/PngWriter.h"
#endif

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr int kRenderFailure = 2;
constexpr int32_t kMaxSide = 20000;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool ParseSize(const std::string& text, RenderArguments& parsed) {
  int width = 0;
  int height = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &rest) != 2) return false;
  if (width < 16 || height < 16 || width > kMaxSide || height > kMaxSide) return false;
  parsed.width = width;
  parsed.height = height;
  return true;
}

bool ParseValue(const std::string& name, const std::string& value, RenderArguments& parsed,
                std::string& error) {
  if (name == "-o") {
    parsed.outputPath = value;
  } else if (name == "--home") {
    parsed.home = value;
  } else if (name == "--size") {
    if (!ParseSize(value, parsed)) error = "--size takes WxH, each from 16 to 20000";
  } else if (name == "--decimal") {
    if (value.size() != 1 || value[0] < '0' || value[0] > '3')
      error = "--decimal takes 0 to 3";
    else
      parsed.decimalIndex = value[0] - '0';
  } else {
    error = "unknown option " + name;
  }
  return error.empty();
}

// The converted program, through a scratch output in a private folder of its own.
std::optional<std::vector<std::u16string>> ConvertedLines(const RenderArguments& args,
                                                          const std::u16string& programFolder,
                                                          std::ostream& err) {
  const ScratchFolder folder("quorvalen-render-");
  if (folder.Path().empty()) {
    err << "quorvalen-cli: no scratch folder could be made for the conversion\n";
    return std::nullopt;
  }
  const fs::path scratch = folder.Path() / "converted.nc";
  std::ostringstream result;
  const ConvertArguments convert{args.inputPath, scratch.string(), args.home, {}, {}, {}};
  if (RunConvert(convert, programFolder, result, err) != 0) {
    if (!result.str().empty()) err << "quorvalen-cli: the conversion failed: " << result.str();
    return std::nullopt;
  }
  // The scratch file is no name the caller knows.
  return ReadProgram(scratch.string(), err, "the converted program of " + args.inputPath);
}

bool WriteSvg(Cncdatadraw& draw, const RenderArguments& args, std::string& error) {
  SvgCanvas svg;
  draw.Draw(svg, false, args.width, args.height);
  std::ofstream file(args.outputPath, std::ios::binary | std::ios::trunc);
  file << svg.Document();
  file.close();
  if (file.good()) return true;
  error = "cannot write " + args.outputPath;
  return false;
}

bool WriteImage(Cncdatadraw& draw, const RenderArguments& args, std::string& error) {
#ifdef QV_HAS_PNG
  return WritePng(draw, args.width, args.height, args.outputPath, error);
#else
  (void)draw;
  (void)args;
  error = "PNG output needs the build with Qt (QV_BUILD_GUI=ON); write .svg instead";
  return false;
#endif
}

// The drawing goes to a scratch file beside OUT, which then replaces OUT whole: an interrupted
// or failed write leaves the old drawing, and a folder or a device is never written.
bool WriteDrawing(Cncdatadraw& draw, const RenderArguments& args, std::string& error) {
  const std::u16string target = FromUtf8(args.outputPath);
  if (const int32_t status = CheckReplaceable(target); status != 0) {
    error = "cannot write " + args.outputPath + ": " + std::string(FileStatusText(status));
    return false;
  }
  const std::u16string scratchPath = ScratchPathFor(target);
  // Made here, new, and never through a link planted at its name; the writers then fill it.
  const int fd = ::open(ToUtf8(scratchPath).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = "cannot write " + args.outputPath + ": " +
            std::string(FileStatusText(-FileErrorCause(errno)));
    return false;
  }
  ::close(fd);
  RenderArguments scratch = args;
  scratch.outputPath = ToUtf8(scratchPath);
  const bool drawn = EndsWith(args.outputPath, ".svg") ? WriteSvg(draw, scratch, error)
                                                       : WriteImage(draw, scratch, error);
  if (!drawn) {
    RemoveFile(scratchPath);
    // The writers name the file they wrote; the caller knows only OUT.
    if (error.starts_with("cannot write ")) error = "cannot write " + args.outputPath;
    return false;
  }
  if (const int32_t status = ReplaceFileAtomically(scratchPath, target); status != 0) {
    RemoveFile(scratchPath);
    error = "cannot write " + args.outputPath + ": " + std::string(FileStatusText(status));
    return false;
  }
  return true;
}

}  // namespace

std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args,
                                                    std::string& error) {
  RenderArguments parsed;
  for (size_t at = 0; at < args.size() && error.empty(); ++at) {
    const std::string& word = args[at];
    if (word == "--converted") {
      parsed.converted = true;
    } else if (word.size() > 1 && word[0] == '-') {
      if (at + 1 >= args.size())
        error = "option " + word + " needs a value";
      else
        ParseValue(word, args[++at], parsed, error);
    } else if (parsed.inputPath.empty()) {
      parsed.inputPath = word;
    } else {
      error = "more than one input file given";
    }
  }
  if (error.empty() && parsed.inputPath.empty()) error = "no input file given";
  if (error.empty() && !EndsWith(parsed.outputPath, ".svg") &&
      !EndsWith(parsed.outputPath, ".png")) {
    error = "render needs -o OUT.svg or -o OUT.png";
  }
  if (error.empty() && !parsed.home.empty() && !parsed.converted)
    error = "--home belongs to --converted";
  if (!error.empty()) return std::nullopt;
  return parsed;
}

int RunRender(const RenderArguments& args, const std::u16string& programFolder, std::ostream& out,
              std::ostream& err) {
  const auto lines =
      args.converted ? ConvertedLines(args, programFolder, err) : ReadProgram(args.inputPath, err);
  if (!lines) return kRenderFailure;
  Cncdatadraw draw;
  draw.SetDecimalIndex(args.decimalIndex);
  draw.SetLineSource(FixedLineSource(std::move(*lines)));
  std::string error;
  if (!WriteDrawing(draw, args, error)) {
    err << "quorvalen-cli: " << error << "\n";
    return kRenderFailure;
  }
  out << args.outputPath << ": " << draw.Path().Segments().size() << " pieces drawn";
  if (draw.ErrorCode() != 0) out << ", some blocks not drawn (code " << draw.ErrorCode() << ")";
  out << "\n";
  return 0;
}

}  // namespace qv
