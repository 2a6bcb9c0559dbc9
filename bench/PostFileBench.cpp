// Loading the last condition of a full post file and replacing a condition in it: the two
// operations the machining-condition editor runs on every selection and every OK.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "../tests/post/PostFileSamples.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"
#include "post/CNcPostFile.h"

namespace {

// A program folder whose System folder holds a post file of 10 posts x 30 materials x 20
// thicknesses.
class FullPostFolder {
 public:
  FullPostFolder() : path_("/tmp/qv-post-bench-" + std::to_string(::getpid())) {
    std::filesystem::create_directories(path_ + "/System");
    qv::test::WriteLines(Files().System(u"Quorvalen.pst"), qv::test::FullCapacityPostFileLines());
  }
  ~FullPostFolder() { std::filesystem::remove_all(path_); }
  qv::SystemFiles Files() const { return qv::SystemFiles(qv::FromUtf8(path_)); }

 private:
  std::string path_;
};

const std::u16string kLastMaterial = qv::FromUtf8(std::string(38, 'X') + "材質");

qv::PostFileStatus LoadLast(qv::PostStore& store, const qv::SystemFiles& files) {
  qv::CNcPostFile file(store, files);
  file.SetPostNames(u"Post 10", u"Post 10");
  file.SetMaterialNames(kLastMaterial, kLastMaterial);
  file.SetThicknessNames(u"20.0", u"20.0");
  return file.Load(qv::PostLoadMode::StartUp);
}

void BM_LoadLastCondition(benchmark::State& state) {
  const FullPostFolder folder;
  qv::PostStore store;
  for (auto _ : state) {
    if (LoadLast(store, folder.Files()) != qv::PostFileStatus::Ok)
      state.SkipWithError("load failed");
  }
  benchmark::DoNotOptimize(store.condition);
}
BENCHMARK(BM_LoadLastCondition)->Unit(benchmark::kMillisecond);

void BM_SaveReplaceCondition(benchmark::State& state) {
  const FullPostFolder folder;
  qv::PostStore store;
  if (LoadLast(store, folder.Files()) != qv::PostFileStatus::Ok) state.SkipWithError("load failed");
  for (auto _ : state) {
    qv::CNcPostFile file(store, folder.Files());
    file.SetPostNames(u"Post 10", u"Post 10");
    file.SetMaterialNames(kLastMaterial, kLastMaterial);
    file.SetThicknessNames(u"20.0", u"20.0");
    if (file.Save(qv::PostSaveMode::SaveReplaceCondition) != qv::PostFileStatus::Ok)
      state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveReplaceCondition)->Unit(benchmark::kMillisecond);

}  // namespace
