// The single instance and the hand-over between two real processes.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "TestSupport.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "platform/InstanceChannel.h"
#include "settings/SettingsFile.h"

extern char** environ;

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() {
    std::filesystem::create_directories(home_.Path() + "/System");
    std::filesystem::permissions(runtime_.Path(), std::filesystem::perms::owner_all);
  }
  ~SingleInstanceTest() override {
    if (first_ > 0) {
      ::kill(first_, SIGKILL);
      ::waitpid(first_, nullptr, 0);
    }
  }

  pid_t Start(const std::string& arguments) {
    std::vector<std::string> env = {"QUORVALEN_HOME=" + home_.Path(),
                                    "QUORVALEN_RUNTIME_DIR=" + runtime_.Path(),
                                    "QV_HELPER_REPORT=" + report_};
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::string_view(*e).rfind("QUORVALEN_", 0) != 0) env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = QV_INSTANCE_HELPER;
    std::string argument = arguments;
    std::vector<char*> argv = {program.data()};
    if (!arguments.empty()) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
    return pid;
  }
  // Runs a second start to its end; returns its exit status and how long it took.
  int RunToEnd(const std::string& arguments, Clock::duration& took) {
    const auto begin = Clock::now();
    const pid_t pid = Start(arguments);
    int status = -1;
    ::waitpid(pid, &status, 0);
    took = Clock::now() - begin;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // Waits up to limit for the report to read as wanted.
  bool WaitForReport(std::string_view wanted, Clock::duration limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
      if (test::ReadBytes(FromUtf8(report_)).rfind(wanted, 0) == 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }
  void StartFirstInstance() {
    std::filesystem::remove(report_);  // a report left by an earlier instance is no sign of life
    first_ = Start("");
    ASSERT_TRUE(WaitForReport("ready", std::chrono::seconds(20)));
  }
  std::u16string Ini() const { return SettingsPath(SystemFiles(FromUtf8(home_.Path()))); }

  test::TempDir home_;
  test::TempDir runtime_;
  std::string report_ = home_.Path() + "/report.txt";
  pid_t first_ = -1;
};

TEST_F(SingleInstanceTest, SecondNormalOrAutomaticStartEndsAtOnceAndChangesNothing) {
  StartFirstInstance();
  const std::string before = test::ReadBytes(Ini());
  for (const char* arguments : {"", "AUTOCONV"}) {
    Clock::duration took;
    EXPECT_EQ(RunToEnd(arguments, took), 0);
    EXPECT_LT(took, std::chrono::seconds(5)) << arguments;
  }
  EXPECT_EQ(test::ReadBytes(Ini()), before);
  EXPECT_EQ(test::ReadBytes(FromUtf8(report_)), "ready");  // no close request arrived
}

TEST_F(SingleInstanceTest, ForwardingStartHandsOverWithinOneSecond) {
  StartFirstInstance();
  Clock::duration took;
  EXPECT_EQ(RunToEnd("TARVELIS|/work/in file.nc|/work/out.nc", took), 0);
  const auto handedOver = Clock::now();
  ASSERT_TRUE(WaitForReport("closed|", std::chrono::seconds(1)));
  EXPECT_LT(Clock::now() - handedOver, std::chrono::seconds(1));
  EXPECT_EQ(test::ReadBytes(FromUtf8(report_)), "closed|TARVELIS|/work/in file.nc|/work/out.nc");

  // The first instance then ends and saves its settings, which empties the request.
  int status = -1;
  ASSERT_EQ(::waitpid(first_, &status, 0), first_);
  first_ = -1;
  EXPECT_EQ(ReadProfileString(Ini(), u"Forwarding", u"CmdName", u"x"), u"");
  EXPECT_EQ(ReadProfileString(Ini(), u"Quorvalen_Data", u"Version", u""), u"1.69");
}

TEST_F(SingleInstanceTest, AnEndedInstanceLeavesNoLockBehind) {
  StartFirstInstance();
  ::kill(first_, SIGKILL);
  ::waitpid(first_, nullptr, 0);
  first_ = -1;
  StartFirstInstance();  // the socket left by the killed one is replaced
  Clock::duration took;
  RunToEnd("TARVELIS|a|b", took);
  EXPECT_TRUE(WaitForReport("closed|TARVELIS|a|b", std::chrono::seconds(1)));
}

TEST(InstanceChannelTest, CloseRequestsCarryTheirTitles) {
  test::TempDir runtime;
  const std::string socket = InstanceSocketPath(runtime.Path(), u"Quorvalen for Win Application");
  EXPECT_EQ(socket, runtime.Path() + "/Quorvalen_for_Win_Application.sock");
  EXPECT_EQ(SendCloseRequest(socket, u"nobody listens"), -1);
  InstanceListener listener;
  ASSERT_EQ(listener.Listen(socket), 0);
  EXPECT_EQ(std::filesystem::status(socket).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(SendCloseRequest(socket, u"ＮＣデータ変換 [a b]"), 0);
  EXPECT_EQ(SendCloseRequest(socket, u""), 0);
  EXPECT_TRUE(listener.WaitForMessage(1000));
  EXPECT_EQ(listener.ReceiveCloseRequests(),
            (std::vector<std::u16string>{u"ＮＣデータ変換 [a b]", u""}));
  EXPECT_TRUE(listener.ReceiveCloseRequests().empty());
  EXPECT_EQ(SendCloseRequest(std::string(200, 'x'), u"too long a path"), -1);
}

TEST(InstanceChannelTest, ASocketPathTooLongForUnixFallsBackToAShortPrivateOne) {
  test::TempDir runtime;
  const std::string deep = runtime.Path() + "/" + std::string(110, 'd');
  std::filesystem::create_directory(deep);
  const std::string socket = InstanceSocketPath(deep, u"Quorvalen for Win Application");
  EXPECT_LT(socket.size(), 100u);
  EXPECT_NE(socket, InstanceSocketPath(deep + "/e", u"Quorvalen for Win Application"));
  InstanceListener listener;
  ASSERT_EQ(listener.Listen(socket), 0);
  EXPECT_EQ(SendCloseRequest(socket, u"ＮＣデータ変換"), 0);
  EXPECT_TRUE(listener.WaitForMessage(1000));
  EXPECT_EQ(listener.ReceiveCloseRequests(), (std::vector<std::u16string>{u"ＮＣデータ変換"}));
}

// RuntimeFolder under a chosen QUORVALEN_RUNTIME_DIR, with what it said on standard error.
class RuntimeFolderTest : public ::testing::Test {
 protected:
  ~RuntimeFolderTest() override {
    if (saved_) {
      ::setenv("QUORVALEN_RUNTIME_DIR", saved_->c_str(), 1);
    } else {
      ::unsetenv("QUORVALEN_RUNTIME_DIR");
    }
  }
  std::string Choose(const std::string& folder) {
    ::setenv("QUORVALEN_RUNTIME_DIR", folder.c_str(), 1);
    ::testing::internal::CaptureStderr();
    const std::string chosen = RuntimeFolder();
    said = ::testing::internal::GetCapturedStderr();
    return chosen;
  }
  static std::filesystem::perms Permissions(const std::string& folder) {
    return std::filesystem::status(folder).permissions() & std::filesystem::perms::all;
  }

  std::optional<std::string> saved_ =
      std::getenv("QUORVALEN_RUNTIME_DIR") != nullptr
          ? std::optional<std::string>(std::getenv("QUORVALEN_RUNTIME_DIR"))
          : std::nullopt;
  test::TempDir dir;
  std::string said;
  std::string fallback = "/tmp/quorvalen-" + std::to_string(::getuid());
};

TEST_F(RuntimeFolderTest, AMissingFolderIsCreatedOwnerOnly) {
  EXPECT_EQ(Choose(dir.Path()), dir.Path());
  const std::string missing = dir.Path() + "/run";
  EXPECT_EQ(Choose(missing), missing);
  EXPECT_EQ(Permissions(missing), std::filesystem::perms::owner_all);
  EXPECT_EQ(said, "");
}

TEST_F(RuntimeFolderTest, AFolderOthersCouldUseIsRefusedForAPrivateOne) {
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
  EXPECT_EQ(Choose(dir.Path()), fallback);
  EXPECT_EQ(said, "quorvalen: the runtime folder " + dir.Path() + " is writable by others; using " +
                      fallback + "\n");
  EXPECT_EQ(Permissions(fallback), std::filesystem::perms::owner_all);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  std::filesystem::create_directory_symlink(dir.Path(), dir.Path() + "/link");
  EXPECT_EQ(Choose(dir.Path() + "/link"), fallback);
  EXPECT_EQ(said, "quorvalen: the runtime folder " + dir.Path() +
                      "/link is not a folder of this user; using " + fallback + "\n");
}

}  // namespace
}  // namespace qv
