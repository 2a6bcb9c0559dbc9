// A save that stops part-way leaves the old or the new post file, never none and never a mix.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "platform/Codec.h"
#include "post/PostTestFixture.h"

namespace qv::test {
namespace {

class PostSaveInterruptTest : public PostFileFixture {
 protected:
  // Two posts of 30 materials x 20 thicknesses: about a megabyte, written in several chunks.
  void SetUp() override {
    UseDisk();
    std::vector<SampleMaterial> materials;
    for (int m = 1; m <= 30; ++m) {
      std::vector<std::string> thicknesses;
      for (int t = 1; t <= 20; ++t) thicknesses.push_back(std::to_string(t));
      materials.push_back({"M" + std::to_string(m), thicknesses});
    }
    WriteFile(PostFileLines({{"P1", materials}, {"P2", materials}}));
    ASSERT_EQ(Load(u"P2", u"M30", u"20"), PostFileStatus::Ok);
    Select(u"P2", u"M30", u"20");
    original_ = ReadBytes(PostPath());
  }

  // Runs body in a child process and returns its exit status (or -signal).
  static int InChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }

  std::string original_;
};

TEST_F(PostSaveInterruptTest, FailedScratchWriteAtAnySizeLeavesTheOldFile) {
  store_.record.endPart = u"changed";
  for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{300000},
                             rlim_t{original_.size() / 2}, rlim_t{original_.size() - 2}}) {
    const int status = InChild([this, limit] {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit cap = {limit, limit};
      ::setrlimit(RLIMIT_FSIZE, &cap);
      return Save(PostSaveMode::SaveHeader) == PostFileStatus::Failed ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "limit " << limit;
    EXPECT_EQ(ReadBytes(PostPath()), original_) << "limit " << limit;
  }
  // Nothing was lost: the next save goes through over the stale scratch file.
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  EXPECT_NE(ReadBytes(PostPath()), original_);
  EXPECT_FALSE(std::filesystem::exists(ToUtf8(SystemFile(u"Temp.dat"))));
}

TEST_F(PostSaveInterruptTest, UnopenableScratchFileFailsWithoutTouchingThePostFile) {
  std::filesystem::create_directory(ToUtf8(SystemFile(u"Temp.dat")));
  store_.record.endPart = u"changed";
  EXPECT_EQ(Save(PostSaveMode::SaveReplaceCondition), PostFileStatus::Failed);
  EXPECT_EQ(ReadBytes(PostPath()), original_);
}

TEST_F(PostSaveInterruptTest, KilledSaveLeavesOneWholeVersion) {
  // The two files the child alternates between.
  store_.record.endPart = u"first";
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  const std::string first = ReadBytes(PostPath());
  store_.record.endPart = u"second";
  ASSERT_EQ(Save(PostSaveMode::SaveHeader), PostFileStatus::Ok);
  const std::string second = ReadBytes(PostPath());

  for (const int delayMs : {3, 20, 60, 150, 400}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0;; ++i) {
        store_.record.endPart = i % 2 == 0 ? u"first" : u"second";
        if (Save(PostSaveMode::SaveHeader) != PostFileStatus::Ok) ::_exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child's saves failed";
    const std::string now = ReadBytes(PostPath());
    EXPECT_TRUE(now == first || now == second) << "after " << delayMs << " ms";
  }
}

}  // namespace
}  // namespace qv::test
