// Every file the program writes, killed mid-write many times: a forked child writes through the
// real code path over and over and is killed with SIGKILL after a varying delay; each file is
// then found whole, as one of the versions a clean run leaves (or not yet there).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <thread>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "post/CNcPostFile.h"
#include "post/SpecialCodeFile.h"
#include "ui/CQuorvalenDlg.h"

namespace {

// Every write(2) of the process is counted; a child armed with a number cuts that write short
// and dies there, as a crash in the middle of a write would.
std::atomic<long> writesSeen{0};
std::atomic<long> killAtWrite{0};

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  if (++writesSeen == killAtWrite) {
    ::syscall(SYS_write, fd, data, size / 2);
    ::raise(SIGKILL);
  }
  return ::syscall(SYS_write, fd, data, size);
}

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 16;

// The automatic mode's host; afterDialog sees the files between the dialog's writes and the
// settings saved at exit.
class SilentHost : public AppHost {
 public:
  UserInteraction& Interaction() override { return interaction; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override {
    const DialogResult result = RunHeadlessDialog(app);
    if (afterDialog) afterDialog();
    return result;
  }
  ScriptedInteraction interaction;
  std::function<void()> afterDialog;
};

// The files watched, by name inside the home folder; a missing file reads as nullopt.
using Snapshot = std::map<std::string, std::optional<std::string>>;

class InterruptedWritesTest : public ::testing::Test {
 protected:
  InterruptedWritesTest() {
    fs::copy(QV_SHIPPED_DATA_DIR, fs::path(home_.Path()) / "System");
    fs::copy(QV_SAMPLES_DIR, fs::path(home_.Path()) / "samples");
  }

  Snapshot Take(const std::vector<std::string>& names) const {
    Snapshot snapshot;
    for (const std::string& name : names) {
      const fs::path path = fs::path(home_.Path()) / name;
      snapshot[name] = fs::exists(path) ? std::optional(ReadBytes(home_.File(name))) : std::nullopt;
    }
    return snapshot;
  }

  // Runs the steps for k = 0, 1, ... cleanly, collecting every version of the watched files
  // after each, then kills a child doing the same at kKills writes and after kKills delays,
  // spread over two rounds, and checks that each file is always one of those versions. The
  // folder is restored between kills.
  void KillAtManyPoints(const std::vector<std::string>& names,
                        const std::vector<std::function<void(int)>>& steps) {
    const fs::path start = fs::path(home_.Path()).string() + ".start";
    fs::copy(home_.Path(), start, fs::copy_options::recursive);
    std::map<std::string, std::set<std::optional<std::string>>> versions;
    const auto record = [&] {
      for (const auto& [name, bytes] : Take(names)) versions[name].insert(bytes);
    };
    record();
    midStep_ = record;
    const Clock::time_point began = Clock::now();
    writesSeen = 0;
    long writesInTwoRounds = 0;
    for (int k = 0; k < 4; ++k) {
      for (const auto& step : steps) {
        step(k);
        record();
      }
      if (k == 1) writesInTwoRounds = writesSeen;
    }
    const auto twoRounds = (Clock::now() - began) / 2;
    midStep_ = nullptr;
    for (int kill = 0; kill < 2 * kKills; ++kill) {
      fs::remove_all(home_.Path());
      fs::copy(start, home_.Path(), fs::copy_options::recursive);
      const int at = kill / 2;
      const bool atWrite = kill % 2 == 0;
      KillWhileRunning(steps, atWrite ? 1 + writesInTwoRounds * at / kKills : 0,
                       twoRounds * at / kKills);
      for (const auto& [name, bytes] : Take(names)) {
        EXPECT_EQ(versions[name].count(bytes), 1u)
            << name << " torn after a kill " << (atWrite ? "in a write" : "after a delay")
            << " at point " << at << " (" << (bytes ? bytes->size() : 0) << " bytes)";
      }
    }
    fs::remove_all(start);
  }

  // A child runs the steps until it dies at its write number atWrite, or (atWrite 0) is killed
  // after delay.
  static void KillWhileRunning(const std::vector<std::function<void(int)>>& steps, long atWrite,
                               Clock::duration delay) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      writesSeen = 0;
      killAtWrite = atWrite;
      for (int k = 0;; ++k) {
        for (const auto& step : steps) step(k);
      }
    }
    if (atWrite == 0) {
      std::this_thread::sleep_for(delay);
      ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child failed itself";
  }

  TempDir home_;
  std::function<void()> midStep_;  // records the files inside a step, in the clean rounds only
};

// The automatic mode writes the settings, the post file, the output and the result file; the
// input alternates between two samples (set in the settings) so that the output has two versions.
TEST_F(InterruptedWritesTest, AutomaticRunLeavesEveryFileWhole) {
  const std::u16string settings = home_.File("System/Quorvalen.ini");
  const std::u16string folder = FromUtf8(home_.Path());
  const auto chooseInput = [&](int k) {
    WriteProfileString(settings, u"Quorvalen_Data", u"InName",
                       k % 2 == 0 ? u"samples/sample1.nc" : u"samples/sample4_mark.nc");
  };
  const auto run = [&](int) {
    SilentHost host;
    host.afterDialog = midStep_;
    CQuorvalenApp app(host, {folder, ""});
    app.Run(u"AUTOCONV");
  };
  KillAtManyPoints(
      {"System/Quorvalen.ini", "System/Quorvalen.pst", "samples/sample1_out.nc", "ERR_INFO.TXT"},
      {chooseInput, run});
}

// The post editors' writes: the post file's header and the special code pairs, alternating
// between two versions (large enough that a kill lands inside a write).
TEST_F(InterruptedWritesTest, PostAndSpecialCodeSavesLeaveTheFilesWhole) {
  const SystemFiles files(FromUtf8(home_.Path()));
  const std::u16string post = u"複合機 PL-3015";
  const auto savePost = [&](int k) {
    PostStore store;
    CNcPostFile load(store, files);
    load.SetPostNames(post, post);
    load.Load(PostLoadMode::StartUp);
    store.record.programNumber = k % 2 == 0 ? u"1000" : u"2000";
    CNcPostFile save(store, files);
    save.SetPostNames(post, post);
    save.Save(PostSaveMode::SaveHeader);
  };
  const auto saveSpecialCodes = [&](int k) {
    const std::vector<SpecialCodePair> pairs(3000, {u"M12", k % 2 == 0 ? u"M13" : u"M14"});
    SpecialCodeFile(files).WriteSpecialCodes(post, pairs);
  };
  KillAtManyPoints({"System/Quorvalen.pst", "System/Quorvalen1.pst"}, {savePost, saveSpecialCodes});
}

}  // namespace
}  // namespace qv::test
