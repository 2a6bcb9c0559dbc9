// libFuzzer target for the special code file "System/Quorvalen1.pst": the fuzzer's bytes are
// the file; the first byte picks the operation run on it (beside the shipped post file).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "post/SpecialCodeFile.h"

namespace {

const std::vector<std::u16string> kNames = {u"複合機 PL-3015", u"レーザ加工機 LX-3015", u"[POST3]",
                                            u""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  const qv::SystemFiles& files = qv::fuzz::ScratchProgramFolder();
  qv::SpecialCodeFile file(files);
  qv::fuzz::WriteBytes(file.Path(), input.bytes);
  const std::u16string name = qv::fuzz::PickName(kNames, input.pick);
  std::vector<qv::SpecialCodePair> pairs;
  file.ReadSpecialCodes(name, pairs);
  switch ((input.pick >> 2) % 7) {
    case 0:
      break;
    case 1:
      pairs.push_back({u"G00", u"G01"});
      file.WriteSpecialCodes(name, qv::PadToPages(pairs));
      break;
    case 2:
      file.RenameSpecialCodeBlock(name, u"FUZZ");
      break;
    case 3:
      file.RemoveSpecialCodeBlock(name);
      break;
    case 4:
      file.CopySpecialCodeBlock(name, u"COPY", static_cast<int32_t>(input.pick >> 5) - 1);
      break;
    case 5:
      file.SyncSpecialCodeFile();
      break;
    case 6:
      file.CreateSpecialCodeFile();
      break;
  }
  return 0;
}
