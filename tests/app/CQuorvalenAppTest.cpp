#include <filesystem>
#include <functional>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "settings/SettingsFile.h"

namespace qv {
namespace {

// Scripts the interaction and answers the main dialog with a planned result.
class FakeHost : public AppHost {
 public:
  UserInteraction& Interaction() override { return interaction; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override {
    ++dialogRuns;
    if (duringDialog) duringDialog(app);
    return result;
  }

  test::ScriptedInteraction interaction;
  int dialogRuns = 0;
  DialogResult result = DialogResult::Ok;
  std::function<void(CQuorvalenApp&)> duringDialog;
};

class CQuorvalenAppTest : public ::testing::Test {
 protected:
  CQuorvalenAppTest() {
    std::filesystem::create_directories(home_.Path() + "/System");
    std::filesystem::create_directories(runtime_.Path());
  }
  AppPaths Paths() const { return {FromUtf8(home_.Path()), runtime_.Path()}; }
  std::u16string Ini() const { return SettingsPath(SystemFiles(FromUtf8(home_.Path()))); }
  void WriteIni(std::string_view utf8) { test::WriteBytes(Ini(), EncodeCp932(FromUtf8(utf8))); }

  test::TempDir home_;
  test::TempDir runtime_;
  FakeHost host_;
};

TEST_F(CQuorvalenAppTest, FirstStartRunsTheDialogOnDefaultsAndSavesTheSettings) {
  CQuorvalenApp app(host_, Paths());
  host_.duringDialog = [&](CQuorvalenApp& running) {
    EXPECT_TRUE(running.IsRunningInstance());
    EXPECT_EQ(running.CurrentSettings().seqNo, 1000);
    EXPECT_EQ(running.CurrentSettings().loadFilePath, FromUtf8(home_.Path()));
    running.AnnounceWindowTitle(u"ＮＣデータ変換");
    EXPECT_EQ(ReadProfileString(Ini(), u"Forwarding", u"Name", u""), u"ＮＣデータ変換");
  };
  EXPECT_EQ(app.Run(u""), 0);
  EXPECT_EQ(host_.dialogRuns, 1);
  EXPECT_EQ(ReadProfileString(Ini(), u"Quorvalen_Data", u"Version", u""), u"1.69");
  EXPECT_EQ(ReadProfileString(Ini(), u"Forwarding", u"Name", u"x"), u"");
  EXPECT_TRUE(host_.interaction.messages.empty());
  EXPECT_EQ(host_.interaction.waitCount, 1);  // while the settings were written
  EXPECT_EQ(host_.interaction.waitDepth, 0);
  // Start-up creates the additional special code file before any post is loaded.
  const std::string created = test::ReadBytes(FromUtf8(home_.Path() + "/System/Quorvalen1.pst"));
  EXPECT_EQ(created.rfind("[POST1]\r\n0\r\n[POST2]\r\n0\r\n", 0), 0u);
}

TEST_F(CQuorvalenAppTest, OnlyOkAndCancelSaveTheSettings) {
  host_.result = DialogResult::Cancel;
  CQuorvalenApp(host_, Paths()).Run(u"");
  EXPECT_TRUE(std::filesystem::exists(ToUtf8(Ini())));
  std::filesystem::remove(ToUtf8(Ini()));
  host_.result = DialogResult::Other;
  CQuorvalenApp(host_, Paths()).Run(u"");
  EXPECT_FALSE(std::filesystem::exists(ToUtf8(Ini())));
}

TEST_F(CQuorvalenAppTest, AutomaticStartTakesItsPathsFromTheSettings) {
  WriteIni("[Quorvalen_Data]\r\nInName=/data/in.nc\r\nOutName=/data/out.nc\r\n");
  CQuorvalenApp app(host_, Paths());
  host_.duringDialog = [](CQuorvalenApp& running) {
    // The unattended run asks nobody: a question gets the answer that changes nothing.
    const Question question{QuestionKind::OkCancel, u"上書きしますか？", u"Drevmark"};
    EXPECT_EQ(running.Interaction().Ask(question), Answer::Cancel);
  };
  app.Run(u"AUTOCONV");
  EXPECT_EQ(app.StartMode(), kStartAutomatic);
  EXPECT_EQ(app.Arguments().inputPath, u"/data/in.nc");
  EXPECT_EQ(app.Arguments().outputPath, u"/data/out.nc");
  EXPECT_TRUE(host_.interaction.questions.empty());
  EXPECT_EQ(host_.interaction.waitCount, 0);
}

TEST_F(CQuorvalenAppTest, LoadsTheKeepListsOfTheProgramFolder) {
  test::WriteBytes(FromUtf8(home_.Path() + "/System/ReadOnly.dat"),
                   "header\r\nRemain1Code \"G 28\"\r\n");
  CQuorvalenApp app(host_, Paths());
  app.Run(u"");
  EXPECT_EQ(app.Keep().remain1Codes, (std::vector<Remain1Code>{{u'G', 28}}));
}

TEST_F(CQuorvalenAppTest, ForwardingStartWithDebugShowsTheNormalStartNotice) {
  WriteIni("[Quorvalen_Data]\r\nDebug=1\r\n");
  CQuorvalenApp(host_, Paths()).Run(u"TARVELIS|/in.nc|/out.nc");
  EXPECT_EQ(host_.interaction.messages,
            (std::vector<Message>{
                {MessageKind::Exclamation,
                 u"debug mode\u3000通常起動モード\n\n起動\u3000[ TARVELIS|/in.nc|/out.nc ]\n"
                 u"入力\u3000[ /in.nc ]\n出力\u3000[ /out.nc ]",
                 u"Drevmark"}}));
  host_.interaction.messages.clear();
  CQuorvalenApp(host_, Paths()).Run(u"AUTOCONV");
  EXPECT_TRUE(host_.interaction.messages.empty());
}

TEST_F(CQuorvalenAppTest, LoadsThePostDataAndCarriesTheOlderInputTableIntoEachPost) {
  WriteIni("[Quorvalen_Data]\r\nVersion=1.22\r\nSavePost=P2\r\n[MHenkan]\r\na01=G28\r\n");
  test::WriteBytes(FromUtf8(home_.Path() + "/System/Quorvalen.pst"),
                   "Version 1.22\r\n\"P1\" \"P2\"\r\n");
  CQuorvalenApp app(host_, Paths());
  host_.duringDialog = [](CQuorvalenApp& running) {
    EXPECT_EQ(running.Posts().postCount, 2);
    EXPECT_EQ(running.Posts().postNames[1], u"P2");
    EXPECT_EQ(running.PostFileVersion(), u"1.69");  // upgraded before the load
    EXPECT_EQ(running.PostList().Capacity(), 10);
    const auto& a = running.CurrentSettings().inputConversionA;
    EXPECT_EQ(a[0], u"G28");
    EXPECT_EQ(a[40], u"G28");
    EXPECT_EQ(a[80], u"");
    running.Posts().post = {u"P1", u"P1"};
  };
  app.Run(u"");
  EXPECT_EQ(host_.dialogRuns, 1);
  EXPECT_EQ(ReadProfileString(Ini(), u"Quorvalen_Data", u"SavePost", u""), u"P1");
  EXPECT_EQ(ReadProfileString(Ini(), u"MHenkan", u"a201", u""), u"G28");
}

TEST_F(CQuorvalenAppTest, AutomaticPathsRelativeToTheProgramFolder) {
  WriteIni("[Quorvalen_Data]\r\nInName=samples/sample1.nc\r\nOutName=/abs/out.nc\r\n");
  CQuorvalenApp app(host_, Paths());
  app.Run(u"AUTOCONV");
  EXPECT_EQ(app.Arguments().inputPath, FromUtf8(home_.Path() + "/samples/sample1.nc"));
  EXPECT_EQ(app.Arguments().outputPath, u"/abs/out.nc");
}

TEST_F(CQuorvalenAppTest, AutomaticStartOnTheShippedData) {
  std::filesystem::remove_all(home_.Path() + "/System");
  std::filesystem::copy(QV_SHIPPED_DATA_DIR, home_.Path() + "/System");
  CQuorvalenApp app(host_, Paths());
  host_.duringDialog = [&](CQuorvalenApp& running) {
    const PostStore& store = running.Posts();
    EXPECT_GE(store.postCount, 1);
    EXPECT_EQ(store.post.oldName, running.CurrentSettings().post.oldName);
    EXPECT_EQ(store.postNames[0], store.post.oldName);
    EXPECT_EQ(store.material.oldName, u"SPCC");
    EXPECT_EQ(store.materialNames[0], u"SPCC");
    EXPECT_FALSE(store.record.subprogramCallCode.empty());
    EXPECT_FALSE(running.Keep().remain1Codes.empty());
    EXPECT_EQ(running.Arguments().inputPath, FromUtf8(home_.Path() + "/samples/sample1.nc"));
    EXPECT_EQ(running.MaterialLists().Materials(), store.materialNames);
    std::u16string oldName, newName;
    running.MaterialLists().GetThicknessSelection(oldName, newName);
    EXPECT_EQ(oldName, store.thickness.oldName);
  };
  EXPECT_EQ(app.Run(u"AUTOCONV"), 0);
  EXPECT_EQ(host_.dialogRuns, 1);
}

TEST_F(CQuorvalenAppTest, AFailedSettingsSaveIsReportedOnStandardError) {
  std::filesystem::remove_all(home_.Path() + "/System");
  ::testing::internal::CaptureStderr();
  CQuorvalenApp(host_, Paths()).Run(u"");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "quorvalen: the settings could not be saved in " + ToUtf8(Ini()) +
                ": no such file or folder\n");
}

// A second start finds the window by the title the settings file holds: a title with a character
// outside code page 932 comes back with "?" there, and the request must still reach the window.
TEST_F(CQuorvalenAppTest, ACloseRequestFindsATitleTheSettingsFileCouldNotHoldExactly) {
  host_.duringDialog = [&](CQuorvalenApp& running) {
    const std::u16string title = u"ＮＣデータ変換 [/café.nc]";
    running.AnnounceWindowTitle(title);
    const std::u16string stored = ReadProfileString(Ini(), u"Forwarding", u"Name", u"");
    ASSERT_NE(stored, title);
    const std::string socket = InstanceSocketPath(runtime_.Path(), kInstanceMutexName);
    ASSERT_EQ(SendCloseRequest(socket, stored), 0);
    EXPECT_TRUE(running.TakeCloseRequest(title));
  };
  CQuorvalenApp(host_, Paths()).Run(u"");
}

class SecondInstanceTest : public CQuorvalenAppTest {
 protected:
  SecondInstanceTest() {
    EXPECT_EQ(lock_.TryAcquire(InstanceLockPath(runtime_.Path(), kInstanceMutexName)),
              LockResult::Acquired);
    EXPECT_EQ(listener_.Listen(InstanceSocketPath(runtime_.Path(), kInstanceMutexName)), 0);
    WriteIni(kIni);
  }
  static constexpr char kIni[] = "[Forwarding]\r\nName=ＮＣデータ変換 [/a.nc]\r\nCmdName=\r\n";
  FileLock lock_;  // stands for the running instance
  InstanceListener listener_;
};

// Only the automatic start drops the last run's result line: the host must not take it for the
// result of a run that never happened.
TEST_F(SecondInstanceTest, NormalAndAutomaticStartsEndAndChangeNothing) {
  const std::string result = home_.Path() + "/ERR_INFO.TXT";
  test::WriteBytes(FromUtf8(result), "0 stale\r\n");
  for (const std::u16string_view arguments : {u"", u"TARVELIS|a", u"AUTOCONV"}) {
    CQuorvalenApp app(host_, Paths());
    EXPECT_EQ(app.Run(arguments), 0);
    EXPECT_FALSE(app.IsRunningInstance());
    EXPECT_EQ(std::filesystem::exists(result), arguments != u"AUTOCONV");
  }
  EXPECT_EQ(host_.dialogRuns, 0);
  EXPECT_EQ(test::ReadBytes(Ini()), EncodeCp932(FromUtf8(kIni)));
  EXPECT_FALSE(listener_.WaitForMessage(0));
}

TEST_F(SecondInstanceTest, ForwardingStartHandsItsCommandLineOver) {
  WriteIni("[Forwarding]\r\nName=ＮＣデータ変換 [/a.nc]\r\n[Quorvalen_Data]\r\nDebug=1\r\n");
  CQuorvalenApp app(host_, Paths());
  EXPECT_EQ(app.Run(u"TARVELIS|/b.nc|/c.nc"), 0);
  EXPECT_EQ(host_.dialogRuns, 0);
  EXPECT_EQ(ReadProfileString(Ini(), u"Forwarding", u"CmdName", u""), u"TARVELIS|/b.nc|/c.nc");
  ASSERT_TRUE(listener_.WaitForMessage(1000));
  EXPECT_EQ(listener_.ReceiveCloseRequests(),
            (std::vector<std::u16string>{u"ＮＣデータ変換 [/a.nc]"}));
  ASSERT_EQ(host_.interaction.messages.size(), 1u);
  EXPECT_EQ(host_.interaction.messages[0].kind, MessageKind::Exclamation);
  EXPECT_TRUE(StartsWith(host_.interaction.messages[0].text,
                         u"debug mode\u3000多重起動モード\n\n起動\u3000[ TARVELIS"));
}

}  // namespace
}  // namespace qv
