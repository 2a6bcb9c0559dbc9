// The main dialog's logic through a view without widgets: the name list buttons against the post
// and special code files, the enabling rules, the close path and the window placement.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "settings/SettingsFile.h"
#include "ui/CQuorvalenDlg.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kPl[] = u"複合機 PL-3015";
constexpr char16_t kLx[] = u"レーザ加工機 LX-3015";

// Counts the editors the dialog opens.
class FakeView : public HeadlessView {
 public:
  bool RunPostEditor() override { return ++editorRuns, false; }
  bool RunConditionEditor() override { return ++editorRuns, false; }
  // The string table editor's OK, when the test gives one.
  bool RunStringTable() override {
    if (stringTableOk) stringTableOk();
    return static_cast<bool>(stringTableOk);
  }
  std::function<void()> stringTableOk;
  // The operator fills the last row of the set shown and leaves with OK.
  bool RunInputTable(int32_t set, std::vector<std::u16string>& a,
                     std::vector<std::u16string>& b) override {
    tableSet = set;
    a.back() = u"A" + b.front();
    return true;
  }
  int editorRuns = 0;
  int32_t tableSet = -1;
};

// Runs the operator's session on the opened dialog, inside the whole start-up.
class SessionHost : public AppHost {
 public:
  UserInteraction& Interaction() override { return interaction; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override {
    CQuorvalenDlg dialog(app, view);
    dialog.Open();
    session(app, dialog);
    return DialogResult::Cancel;
  }
  ScriptedInteraction interaction;
  FakeView view;
  std::function<void(CQuorvalenApp&, CQuorvalenDlg&)> session;
};

class MainDialogTest : public ::testing::Test {
 protected:
  MainDialogTest() {
    fs::copy(QV_SHIPPED_DATA_DIR, fs::path(home_.Path()) / "System");
    fs::copy(QV_SAMPLES_DIR, fs::path(home_.Path()) / "samples");
  }

  void Run(std::function<void(CQuorvalenApp&, CQuorvalenDlg&)> session,
           const std::u16string& commandLine = u"") {
    host_.session = std::move(session);
    CQuorvalenApp app(host_, {FromUtf8(home_.Path()), ""});
    app.Run(commandLine);
  }
  std::u16string Settings() const { return home_.File("System/Quorvalen.ini"); }
  std::u16string File(const char* name) const {
    return DecodeCp932(ReadBytes(home_.File((std::string("System/") + name).c_str())));
  }
  // The last message shown, and forgets all.
  std::u16string Told() {
    const std::vector<Message>& messages = host_.interaction.messages;
    std::u16string last = messages.empty() ? u"" : messages.back().text;
    host_.interaction.messages.clear();
    return last;
  }
  void Answer(std::initializer_list<qv::Answer> answers) {
    host_.interaction.answers.insert(host_.interaction.answers.end(), answers);
  }
  ConversionOptions& Fields() { return host_.view.fields; }
  FakeView& View() { return host_.view; }

  TempDir home_;
  SessionHost host_;
};

TEST_F(MainDialogTest, PostButtonsKeepListPostFileAndSpecialCodesInStep) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().postName = u"zx-1";
    dialog.AddPost();
    EXPECT_EQ(View().posts.items, (std::vector<std::u16string>{kPl, kLx, u"ZX-1"}));
    EXPECT_EQ(Fields().postName, u"ZX-1");
    // The copy takes the source post's conditions and special codes.
    EXPECT_EQ(View().materials.items.size(), 3u);
    EXPECT_NE(File("Quorvalen.pst").find(u"HeadPostName \"ZX-1\""), std::u16string::npos);
    EXPECT_NE(File("Quorvalen1.pst").find(u"ZX-1\r\n3\r\nG28 G27"), std::u16string::npos);
    dialog.AddPost();
    EXPECT_EQ(Told(), u"同一文字が既にあります");

    Fields().postName = u"ZX-2";
    dialog.ChangePost();
    EXPECT_EQ(View().posts.items, (std::vector<std::u16string>{kPl, kLx, u"ZX-2"}));
    EXPECT_NE(File("Quorvalen1.pst").find(u"ZX-2\r\n3\r\n"), std::u16string::npos);

    Answer({Answer::Cancel});
    dialog.DeletePost();
    Fields().postName = u"NOPE";
    Answer({Answer::Ok});
    dialog.DeletePost();
    EXPECT_EQ(Told(), u"登録データが見つかりませんでした");
    EXPECT_EQ(View().posts.items.size(), 3u);

    Fields().postName = u"ZX-2";
    Answer({Answer::Ok});
    dialog.DeletePost();
    EXPECT_EQ(View().posts.items, (std::vector<std::u16string>{kPl, kLx}));
    EXPECT_EQ(File("Quorvalen.pst").find(u"ZX-2"), std::u16string::npos);
    EXPECT_EQ(File("Quorvalen1.pst").find(u"ZX-2"), std::u16string::npos);
    Fields().postName = kLx;
    Answer({Answer::Ok});
    dialog.DeletePost();
    EXPECT_EQ(View().posts.items, (std::vector<std::u16string>{kPl}));
    dialog.DeletePost();
    EXPECT_EQ(Told(), u"全てのポストを削除することはできません。");
    EXPECT_TRUE(host_.interaction.answers.empty());
  });
}

TEST_F(MainDialogTest, MaterialButtonsSaveTheirConditionsAndSayWhyTheyRefuse) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().materialName = u"ss400";
    Fields().thicknessName = u"3.2";
    dialog.AddCondition();
    EXPECT_EQ(Fields().materialName, u"SS400");
    EXPECT_EQ(View().materials.items.size(), 4u);
    EXPECT_EQ(View().thicknesses.items, (std::vector<std::u16string>{u"3.2"}));
    EXPECT_NE(File("Quorvalen.pst").find(u"\"SS400\""), std::u16string::npos);

    dialog.ChangeCondition();
    EXPECT_EQ(host_.interaction.messages.size(), 2u);
    EXPECT_EQ(host_.interaction.messages[0].text, u"同一材質が既にあります");
    EXPECT_EQ(Told(), u"同一板厚が既にあります");
    Fields().thicknessName = u"4.5";
    dialog.ChangeCondition();
    EXPECT_EQ(View().thicknesses.items, (std::vector<std::u16string>{u"4.5"}));

    Answer({Answer::Cancel});
    dialog.DeleteCondition();
    EXPECT_EQ(View().materials.items.size(), 4u);
    // The material's last thickness takes the material with it.
    Answer({Answer::Ok});
    dialog.DeleteCondition();
    EXPECT_EQ(View().materials.items, (std::vector<std::u16string>{u"SPCC", u"SUS304", u"AL5052"}));
    EXPECT_EQ(File("Quorvalen.pst").find(u"SS400\" \"SPHC"), std::u16string::npos);
    EXPECT_EQ(Told(), u"");
  });
}

TEST_F(MainDialogTest, ChoosingAnotherPostSavesTheOptionsOfTheLeftOne) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().comment = u"KEEP ME";
    Fields().postName = kLx;
    dialog.SelectPost(1);
    EXPECT_EQ(View().materials.items, (std::vector<std::u16string>{u"SPHC", u"SS400"}));
    EXPECT_EQ(View().thicknesses.items, (std::vector<std::u16string>{u"3.2", u"4.5", u"6.0"}));
    EXPECT_NE(Fields().comment, u"KEEP ME");
    dialog.SelectMaterial(1);
    EXPECT_EQ(View().thicknesses.items, (std::vector<std::u16string>{u"9.0", u"12.0"}));
    Fields().postName = kPl;
    dialog.SelectPost(0);
    EXPECT_EQ(Fields().comment, u"KEEP ME");
  });
}

// Only a change of post shows its stored options: choosing or adding a material or thickness
// keeps what the operator typed, for the next run to take.
TEST_F(MainDialogTest, TypedOptionsSurviveChoosingAndAddingConditions) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().comment = u"TYPED";
    Fields().programNumber = u"4321";
    dialog.SelectMaterial(1);
    dialog.SelectThickness(1);
    Fields().materialName = u"SS400";
    Fields().thicknessName = u"3.2";
    dialog.AddCondition();
    EXPECT_EQ(View().materials.items.size(), 4u);
    EXPECT_EQ(Fields().comment, u"TYPED");
    EXPECT_EQ(Fields().programNumber, u"4321");
  });
}

// A refused field keeps the window on its post, with everything typed, until it is mended.
TEST_F(MainDialogTest, ARefusedFieldKeepsTheWindowOnItsPost) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().comment = u"TYPED";
    Fields().sequenceNumber = -1;
    Fields().postName = kLx;
    dialog.SelectPost(1);
    EXPECT_EQ(Told(), u"シーケンス番号は 0 から 100000 までです。");
    EXPECT_EQ(Fields().postName, kPl);
    EXPECT_EQ(Fields().comment, u"TYPED");
    Fields().sequenceNumber = 10;
    Fields().postName = kLx;
    dialog.SelectPost(1);
    Fields().postName = kPl;
    dialog.SelectPost(0);
    EXPECT_EQ(Fields().comment, u"TYPED");
  });
}

TEST_F(MainDialogTest, StringOnlyConversionDisablesTheMachineControlsAndGivesThemBack) {
  Run([&](CQuorvalenApp& app, CQuorvalenDlg& dialog) {
    dialog.SetCoordinateMode(0);
    const HeadlessView before = View();
    EXPECT_TRUE(before.IsEnabled(MainControl::CoordinateFields));
    EXPECT_FALSE(before.IsEnabled(MainControl::G93Group));
    EXPECT_FALSE(before.IsEnabled(MainControl::StringTable));

    dialog.SetConversionType(1);
    EXPECT_EQ(app.CurrentSettings().conversionType, 1);
    for (const MainControl control :
         {MainControl::PostGroup, MainControl::ConditionGroup, MainControl::ProgramGroup,
          MainControl::CoordinateGroup, MainControl::CoordinateFields, MainControl::AddDeleteGroup,
          MainControl::DecimalPlaces, MainControl::SameCondition, MainControl::MacroGroup,
          MainControl::SubprogramWords}) {
      EXPECT_FALSE(View().IsEnabled(control)) << static_cast<int>(control);
    }
    EXPECT_TRUE(View().IsEnabled(MainControl::StringTable));
    dialog.SetConversionType(0);
    EXPECT_EQ(View().enabled, before.enabled);

    dialog.SetCoordinateMode(1);
    dialog.SetG93Mode(2);
    EXPECT_TRUE(View().IsEnabled(MainControl::G93Code));
    EXPECT_FALSE(View().IsEnabled(MainControl::CoordinateFields));
    dialog.SetG93Mode(0);
    EXPECT_FALSE(View().IsEnabled(MainControl::G93Code));
  });
}

TEST_F(MainDialogTest, EditorsOpenOnlyOnRegisteredNames) {
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    Fields().materialName = u"XX";
    dialog.EditConditions();
    EXPECT_EQ(Told(), u"この材質はまだ登録されていません。");
    Fields().postName = u"";
    dialog.EditPost();
    EXPECT_EQ(Told(), u"ポストが選択されていません。");
    EXPECT_EQ(View().editorRuns, 0);
    Fields().postName = kPl;
    Fields().materialName = u"SPCC";
    dialog.EditConditions();
    dialog.EditPost();
    EXPECT_EQ(View().editorRuns, 2);
  });
}

TEST_F(MainDialogTest, InputTableEditsTheSetOfTheSelectedPost) {
  Run([&](CQuorvalenApp& app, CQuorvalenDlg& dialog) {
    auto& settings = app.CurrentSettings();
    settings.inputConversionB[40] = u"B";
    Fields().postName = kLx;
    dialog.SelectPost(1);
    dialog.EditInputTable();
    EXPECT_EQ(View().tableSet, 1);
    EXPECT_EQ(settings.inputConversionA[79], u"AB");
    EXPECT_EQ(settings.inputConversionA[39], u"");
    EXPECT_EQ(settings.inputConversionA[80], u"");
  });
}

// A string-only load reads through the working input table: it must be the edited one.
TEST_F(MainDialogTest, StringOnlyLoadAfterATableEditReadsThroughTheEditedTable) {
  Run([&](CQuorvalenApp& app, CQuorvalenDlg& dialog) {
    auto& settings = app.CurrentSettings();
    settings.inputConversionB[40] = u"B";
    settings.inputConversionB[79] = u"Q";
    WriteBytes(home_.File("q.nc"), "Q1\r\n");
    Fields().postName = kLx;
    dialog.SelectPost(1);
    host_.interaction.choices.push_back(FileChoice{home_.File("q.nc")});
    ASSERT_EQ(dialog.Input(), 0);
    dialog.EditInputTable();
    dialog.SetConversionType(1);
    host_.interaction.choices.push_back(FileChoice{home_.File("q.nc")});
    ASSERT_EQ(dialog.Input(), 0);
    EXPECT_EQ(View().listing.lines, std::vector<std::u16string>{u"AB1"});
  });
}

// The unconvertible list goes to the window's dialog rather than a message box, and figures
// that produce no moves are listed too, alone when nothing else is refused.
TEST_F(MainDialogTest, LoadingListsUnconvertibleDataAndFiguresWithoutMoves) {
  const auto load = [&](CQuorvalenDlg& dialog, const char* name, const char* program) {
    WriteBytes(home_.File(name), program);
    host_.interaction.choices.push_back(FileChoice{home_.File(name)});
    EXPECT_EQ(dialog.Input(), 0);
  };
  Run([&](CQuorvalenApp&, CQuorvalenDlg& dialog) {
    load(dialog, "figure.nc", "G92X0Y0\r\nG00X1.\r\nG126X0Y0I50.K6\r\nM30\r\n");
    EXPECT_EQ(View().noMoveFigures, std::vector<std::u16string>{u"     3    G126X0Y0I50.K6"});
    EXPECT_EQ(View().unconvertibleLines.front(), u"変換できないマクロまたはコードが 0 個あります");
    EXPECT_TRUE(View().convertEnabled);
    load(dialog, "refused.nc", "G92X0Y0\r\nG111X0Y0I40.J20.\r\nG111X50.Y0.K90.\r\n");
    EXPECT_EQ(View().unconvertibleLines.size(), 6u);
    EXPECT_EQ(View().unconvertibleLines.front(), u"変換できないマクロまたはコードが 1 個あります");
    EXPECT_TRUE(View().noMoveFigures.empty());
    EXPECT_FALSE(View().convertEnabled);
    EXPECT_EQ(Told(), u"");
  });
}

TEST_F(MainDialogTest, ClosingWithAnUnregisteredPostAsksAndCancelKeepsTheWindow) {
  Run([&](CQuorvalenApp& app, CQuorvalenDlg& dialog) {
    Fields().postName = u"TYPED";
    View().frame = {{30, 40}, {30, 40, 830, 640}, false, 250};
    Answer({Answer::Cancel});
    EXPECT_EQ(dialog.Close(CloseBy::Window), -1);
    ASSERT_EQ(host_.interaction.questions.size(), 1u);
    EXPECT_EQ(host_.interaction.questions[0].text,
              u"このポストはまだ登録していませんが\n終了しますか？");
    EXPECT_EQ(ReadProfileInt(Settings(), u"rect", u"X", -1), 0);  // as shipped

    Answer({Answer::Ok, Answer::Ok});
    EXPECT_EQ(dialog.Close(CloseBy::Window), 0);
    EXPECT_EQ(host_.interaction.questions.back().text, u"終了しますか？");
    EXPECT_EQ(ReadProfileInt(Settings(), u"rect", u"X", -1), 30);
    EXPECT_EQ(ReadProfileInt(Settings(), u"rect", u"Y", -1), 40);
    EXPECT_EQ(ReadProfileInt(Settings(), u"HenkanType", u"type", -1), 0);
    EXPECT_EQ(app.CurrentSettings().dialog, (DialogPlacement{40, 30, 830, 640, 250, 0}));
  });
}

// The table editor's save empties the title a second start looks for; a window that takes
// forwarded requests names itself again, so that the host's next request reaches it.
TEST_F(MainDialogTest, AForwardingWindowStaysFindableAfterATableEditorSaves) {
  Run(
      [&](CQuorvalenApp& app, CQuorvalenDlg& dialog) {
        const std::u16string title = ReadProfileString(Settings(), u"Forwarding", u"Name", u"");
        ASSERT_NE(title, u"");
        View().stringTableOk = [&] { SaveSettings(app.CurrentSettings()); };
        dialog.EditStringTable();
        EXPECT_EQ(ReadProfileString(Settings(), u"Forwarding", u"Name", u""), title);
      },
      u"TARVELIS|" + home_.File("samples/sample1.nc") + u"|" + home_.File("out.nc"));
}

TEST_F(MainDialogTest, WindowOpensWhereItWasLeftWhileThatIsOnTheScreen) {
  struct Case {
    std::u16string x;
    std::u16string commandLine;
    ScreenPoint expected;
  };
  const std::u16string forwarding =
      u"TARVELIS|" + home_.File("samples/sample1.nc") + u"|" + home_.File("out.nc");
  for (const Case& c : {Case{u"100", forwarding, {100, 50}}, Case{u"5000", forwarding, {0, 0}}}) {
    WriteProfileString(Settings(), u"rect", u"X", c.x);
    WriteProfileString(Settings(), u"rect", u"Y", u"50");
    Run([&](CQuorvalenApp&,
            CQuorvalenDlg&) { EXPECT_EQ(View().frame.position, c.expected) << ToUtf8(c.x); },
        c.commandLine);
  }
  // An attended start takes the saved rectangle while it fits the work area.
  WriteProfileString(Settings(), u"Dialog", u"right", u"2000");
  WriteProfileString(Settings(), u"Dialog", u"isZoomed", u"1");
  Run([&](CQuorvalenApp&, CQuorvalenDlg&) {
    EXPECT_EQ(View().frame.rect, View().screen.screen);
    EXPECT_TRUE(View().frame.maximized);
  });
  WriteProfileString(Settings(), u"Dialog", u"right", u"900");
  WriteProfileString(Settings(), u"Dialog", u"bottom", u"700");
  WriteProfileString(Settings(), u"Dialog", u"isZoomed", u"0");
  Run([&](CQuorvalenApp&, CQuorvalenDlg&) {
    EXPECT_EQ(View().frame.rect, (ScreenRect{0, 0, 900, 700}));
    EXPECT_FALSE(View().frame.maximized);
  });
}

TEST(WindowPlacementTest, SplitterAndCornersStayWithinTheirBounds) {
  EXPECT_EQ(ClampSplitter(10, 50, 700), 70);
  EXPECT_EQ(ClampSplitter(900, 50, 700), 630);
  EXPECT_EQ(ClampSplitter(300, 50, 700), 300);
  EXPECT_EQ(ClampSplitter(10, 90, 700), 90);  // a short window keeps the lists' top
  EXPECT_EQ(ClampSplitter(900, 90, 60), 90);
  EXPECT_TRUE(InSplitterBand(270, 300));
  EXPECT_TRUE(InSplitterBand(315, 300));
  EXPECT_FALSE(InSplitterBand(269, 300));
  EXPECT_FALSE(InSplitterBand(316, 300));
  const ScreenRect area{0, 0, 1024, 738};
  EXPECT_TRUE(CornersInside({0, 0, 1024, 738}, area));
  EXPECT_FALSE(CornersInside({0, 0, 1024, 739}, area));
  EXPECT_FALSE(CornersInside({-1, 0, 500, 500}, area));
  EXPECT_EQ(OpeningPosition({1023, 767}, {0, 0, 1024, 768}), (ScreenPoint{1023, 767}));
  EXPECT_EQ(OpeningPosition({1024, 10}, {0, 0, 1024, 768}), (ScreenPoint{0, 0}));
}

}  // namespace
}  // namespace qv::test
