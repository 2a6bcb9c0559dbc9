// libFuzzer target for a whole NC program through the automatic mode's conversion (the
// headless dialog's run, as "quorvalen-cli convert" starts it): the fuzzer's bytes after the
// first are the program, the first byte picks the post, material and thickness of the shipped
// posts (or names none of them).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/ConvertCommand.h"
#include "platform/Codec.h"
#include "post/CNcPostFile.h"

namespace {

struct Choice {
  std::string post;
  std::string material;
  std::string thickness;
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
        choices.push_back({qv::ToUtf8(post),
                           qv::ToUtf8(store.materialNames[static_cast<size_t>(m)]),
                           qv::ToUtf8(row[static_cast<size_t>(t)])});
      }
    }
  }
  choices.push_back({"NONE", "NONE", "0.0"});
  return choices;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  const qv::SystemFiles& files = qv::fuzz::ScratchProgramFolder();
  static const std::vector<Choice> choices = ShippedChoices(files);
  const Choice& choice = choices[input.pick % choices.size()];
  const std::u16string program = files.InProgramFolder(u"input.nc");
  qv::fuzz::WriteBytes(program, input.bytes);
  qv::ConvertArguments args{qv::ToUtf8(program),
                            qv::ToUtf8(files.InProgramFolder(u"output.nc")),
                            qv::ToUtf8(files.Folder()),
                            choice.post,
                            choice.material,
                            choice.thickness};
  std::ostringstream out;
  std::ostringstream err;
  qv::RunConvert(args, files.Folder(), out, err);
  return 0;
}
