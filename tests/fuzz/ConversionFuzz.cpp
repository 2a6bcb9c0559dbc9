// libFuzzer target for a whole NC program through the automatic mode ("AUTOCONV"): the fuzzer's
// bytes after the first are the program, the first byte picks the post, material and thickness
// of the shipped posts (or names none of them). Each choice has a program folder of its own,
// prepared once, so an input costs one automatic run and nothing more.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "post/CNcPostFile.h"
#include "settings/SettingsFile.h"
#include "ui/CQuorvalenDlg.h"

namespace {

struct Choice {
  std::u16string post;
  std::u16string material;
  std::u16string thickness;
};

// Every (post, material, thickness) the shipped post file holds, and one that is not there.
std::vector<Choice> ShippedChoices(const qv::SystemFiles& files) {
  std::vector<Choice> choices;
  qv::PostStore store;
  qv::CNcPostFile(store, files).Load(qv::PostLoadMode::NamesOnly);
  const auto postNames = store.postNames;
  for (int32_t p = 0; p < store.postCount; ++p) {
    const std::u16string post = postNames[static_cast<size_t>(p)];
    qv::CNcPostFile load(store, files);
    load.SetPostNames(post, post);
    load.Load(qv::PostLoadMode::StartUp);
    for (int32_t m = 0; m < store.materialCount; ++m) {
      const auto& row = store.thicknessNames[static_cast<size_t>(m)];
      for (int32_t t = 0; t < qv::ThicknessCountOf(store, m); ++t) {
        choices.push_back(
            {post, store.materialNames[static_cast<size_t>(m)], row[static_cast<size_t>(t)]});
      }
    }
  }
  choices.push_back({u"NONE", u"NONE", u"0.0"});
  return choices;
}

// A program folder whose settings select the choice and name its input and output.
qv::SystemFiles PrepareFolder(const Choice& choice, size_t index) {
  const qv::SystemFiles files = qv::fuzz::ScratchProgramFolder("choice" + std::to_string(index));
  qv::UpdateProfile(qv::SettingsPath(files), [&](qv::ProfileFile& file) {
    file.SetString(u"Quorvalen_Data", u"InName", files.InProgramFolder(u"input.nc"));
    file.SetString(u"Quorvalen_Data", u"OutName", files.InProgramFolder(u"output.nc"));
    file.SetString(u"Quorvalen_Data", u"SavePost", choice.post);
    file.SetString(u"Quorvalen_Data", u"SaveMater", choice.material);
    file.SetString(u"Quorvalen_Data", u"SaveThick", choice.thickness);
  });
  return files;
}

std::vector<qv::SystemFiles> PrepareFolders() {
  const std::vector<Choice> choices = ShippedChoices(qv::fuzz::ScratchProgramFolder());
  std::vector<qv::SystemFiles> folders;
  for (size_t i = 0; i < choices.size(); ++i) folders.push_back(PrepareFolder(choices[i], i));
  return folders;
}

// The automatic mode's host: nothing is shown, nothing waits, nothing is printed.
class SilentHost : public qv::AppHost {
 public:
  SilentHost() : nowhere_(nullptr), silent_(&nowhere_) {}
  qv::UserInteraction& Interaction() override { return silent_; }
  qv::DialogResult RunMainDialog(qv::CQuorvalenApp& app) override {
    return qv::RunHeadlessDialog(app);
  }

 private:
  std::ostream nowhere_;
  qv::SilentInteraction silent_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<qv::SystemFiles> folders = PrepareFolders();
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  const qv::SystemFiles& files = folders[input.pick % folders.size()];
  qv::fuzz::WriteBytes(files.InProgramFolder(u"input.nc"), input.bytes);
  SilentHost host;
  qv::CQuorvalenApp app(host, {files.Folder(), ""});
  app.Run(u"AUTOCONV");
  return 0;
}
