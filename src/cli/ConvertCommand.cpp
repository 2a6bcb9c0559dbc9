#include "cli/ConvertCommand.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/CQuorvalenApp.h"
#include "cli/ScratchFolder.h"
#include "nctext/Cnltextfilerw.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "platform/SilentInteraction.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr int kNoResult = 2;

// The automatic mode's host: nothing is shown, nothing waits.
class ConvertHost : public AppHost {
 public:
  explicit ConvertHost(std::ostream& err) : silent_(&err) {}
  UserInteraction& Interaction() override { return silent_; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override { return RunHeadlessDialog(app); }

 private:
  SilentInteraction silent_;
};

// A path the settings file cannot carry as it stands (a character outside code page 932, a line
// break) would come back naming another file.
bool SettingsCanCarry(const std::string& path) {
  const std::u16string text = FromUtf8(path);
  return DecodeCp932(EncodeCp932(text)) == text &&
         text.find_first_of(u"\r\n") == std::u16string::npos;
}

void SetData(const fs::path& settings, const char16_t* key, const std::string& value) {
  WriteProfileString(FromUtf8(settings.string()), u"Quorvalen_Data", key, FromUtf8(value));
}

std::optional<std::u16string> ReadResultLine(const fs::path& path) {
  Cnltextfilerw file;
  if (file.Open(FromUtf8(path.string()), OpenMode::Read) != 0) return std::nullopt;
  std::u16string line;
  const int32_t status = file.ReadString(line);
  file.Close();
  if (status != 0) return std::nullopt;
  return line;
}

}  // namespace

std::optional<ConvertArguments> ParseConvertArguments(const std::vector<std::string>& args,
                                                      std::string& error) {
  ConvertArguments parsed;
  const std::pair<const char*, std::string*> options[] = {{"-o", &parsed.outputPath},
                                                          {"--home", &parsed.home},
                                                          {"--post", &parsed.post},
                                                          {"--material", &parsed.material},
                                                          {"--thickness", &parsed.thickness}};
  for (size_t at = 0; at < args.size(); ++at) {
    bool taken = false;
    for (const auto& [name, field] : options) {
      if (args[at] != name) continue;
      if (at + 1 >= args.size() || args[at + 1].empty()) {
        error = std::string("option ") + name + " needs a value";
        return std::nullopt;
      }
      *field = args[++at];
      taken = true;
    }
    if (taken) continue;
    if (args[at].size() > 1 && args[at][0] == '-') {
      error = "unknown option " + args[at];
      return std::nullopt;
    }
    if (!parsed.inputPath.empty()) {
      error = "more than one input file given";
      return std::nullopt;
    }
    parsed.inputPath = args[at];
  }
  if (parsed.inputPath.empty()) error = "no input file given";
  if (error.empty() && parsed.outputPath.empty()) error = "convert needs -o OUT";
  if (!error.empty()) return std::nullopt;
  return parsed;
}

int RunConvert(const ConvertArguments& args, const std::u16string& programFolder, std::ostream& out,
               std::ostream& err) {
  const fs::path home = args.home.empty() ? fs::path(ToUtf8(programFolder)) : fs::path(args.home);
  for (const std::string& path : {args.inputPath, args.outputPath}) {
    if (SettingsCanCarry(fs::absolute(path).string())) continue;
    err << "quorvalen-cli: " << path
        << " cannot be passed on (a character outside code page 932, or a line break)\n";
    return kNoResult;
  }
  const ScratchFolder scratch("quorvalen-cli-");
  std::error_code failed;
  if (!scratch.Path().empty()) {
    fs::copy(home / "System", scratch.Path() / "System", fs::copy_options::recursive, failed);
  }
  if (scratch.Path().empty() || failed) {
    err << "quorvalen-cli: the System folder of " << home.string() << " could not be copied\n";
    return kNoResult;
  }
  const fs::path settings = scratch.Path() / "System" / "Quorvalen.ini";
  SetData(settings, u"InName", fs::absolute(args.inputPath).string());
  SetData(settings, u"OutName", fs::absolute(args.outputPath).string());
  if (!args.post.empty()) SetData(settings, u"SavePost", args.post);
  if (!args.material.empty()) SetData(settings, u"SaveMater", args.material);
  if (!args.thickness.empty()) SetData(settings, u"SaveThick", args.thickness);

  ConvertHost host(err);
  CQuorvalenApp app(host, {FromUtf8(scratch.Path().string()), ""});
  app.Run(u"AUTOCONV");
  const std::optional<std::u16string> result = ReadResultLine(scratch.Path() / "ERR_INFO.TXT");
  if (!result) {
    err << "quorvalen-cli: the conversion stopped without a result\n";
    return kNoResult;
  }
  out << ToUtf8(*result) << '\n';
  return std::atoi(ToUtf8(*result).c_str());
}

}  // namespace qv
