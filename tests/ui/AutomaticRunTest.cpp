// The automatic mode end to end on a copy of the shipped data: the result line of every outcome
// and the output file that only a clean run writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "ScriptedInteraction.h"
#include "TestSupport.h"
#include "app/CQuorvalenApp.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "ui/CQuorvalenDlg.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// The automatic mode's host, with a hook that changes the loaded data before the dialog opens.
class AutoHost : public AppHost {
 public:
  UserInteraction& Interaction() override { return interaction; }
  DialogResult RunMainDialog(CQuorvalenApp& app) override {
    if (before) before(app);
    if (!operate) return RunHeadlessDialog(app);
    CQuorvalenDlg dialog(app, view);
    dialog.Open();
    operate(dialog);
    return DialogResult::Cancel;
  }
  ScriptedInteraction interaction;
  HeadlessView view;
  std::function<void(CQuorvalenApp&)> before;
  std::function<void(CQuorvalenDlg&)> operate;  // what an operator does in an attended start
};

class AutomaticRunTest : public ::testing::Test {
 protected:
  AutomaticRunTest() {
    fs::copy(QV_SHIPPED_DATA_DIR, fs::path(home_.Path()) / "System");
    fs::copy(QV_SAMPLES_DIR, fs::path(home_.Path()) / "samples");
  }

  void SetData(const char16_t* key, std::u16string_view value) {
    WriteProfileString(home_.File("System/Quorvalen.ini"), u"Quorvalen_Data", key, value);
  }
  void WriteInput(std::string_view program) {
    WriteBytes(home_.File("samples/sample1.nc"), program);
  }
  // Runs AUTOCONV; the result line without its line end ("" when none was written).
  std::string Run(std::function<void(CQuorvalenApp&)> before = {}) {
    AutoHost host;
    host.before = std::move(before);
    CQuorvalenApp app(host, {FromUtf8(home_.Path()), ""});
    app.Run(u"AUTOCONV");
    const fs::path result = fs::path(home_.Path()) / "ERR_INFO.TXT";
    if (!fs::exists(result)) return "";
    const std::string text = ToUtf8(DecodeCp932(ReadBytes(FromUtf8(result.string()))));
    return text.substr(0, text.find('\r'));
  }
  bool OutputWritten() const {
    return fs::exists(fs::path(home_.Path()) / "samples" / "sample1_out.nc");
  }

  TempDir home_;
};

TEST_F(AutomaticRunTest, ShippedSampleConvertsAndOverwritesTheOutput) {
  WriteBytes(home_.File("samples/sample1_out.nc"), "old\r\n");
  WriteBytes(home_.File("ERR_INFO.TXT"), "107 stale\r\n");
  EXPECT_EQ(Run(), "0 正常終了");
  const std::string output = ReadBytes(home_.File("samples/sample1_out.nc"));
  EXPECT_NE(output, "old\r\n");
  EXPECT_NE(output.find("X800."), std::string::npos);

  // The command line converts the same way and leaves the program folder as it found it.
  const std::string ini = ReadBytes(home_.File("System/Quorvalen.ini"));
  const std::string pst = ReadBytes(home_.File("System/Quorvalen.pst"));
  const std::string cli = std::string(QV_CLI_EXECUTABLE) + " convert " + home_.Path() +
                          "/samples/sample1.nc -o " + home_.Path() + "/cli.nc --home " +
                          home_.Path() + " > " + home_.Path() + "/cli.txt";
  EXPECT_EQ(std::system(cli.c_str()), 0);
  EXPECT_EQ(ReadBytes(home_.File("cli.txt")), "0 正常終了\n");
  EXPECT_EQ(ReadBytes(home_.File("cli.nc")), output);
  EXPECT_EQ(ReadBytes(home_.File("System/Quorvalen.ini")), ini);
  EXPECT_EQ(ReadBytes(home_.File("System/Quorvalen.pst")), pst);
}

TEST_F(AutomaticRunTest, ForwardingStartConvertsTheHostsInputToTheHostsOutput) {
  for (const bool writable : {true, false}) {
    SCOPED_TRACE(writable);
    const std::u16string output = home_.File(writable ? "host.nc" : "missing/host.nc");
    AutoHost host;
    host.operate = [](CQuorvalenDlg& dialog) { dialog.ConvertAndTransfer(); };
    CQuorvalenApp app(host, {FromUtf8(home_.Path()), ""});
    app.Run(u"TARVELIS|" + home_.File("samples/sample1.nc") + u"|" + output);
    std::vector<std::u16string> told;
    for (const Message& message : host.interaction.messages) told.push_back(message.text);
    // Success is claimed only for an output that was written.
    EXPECT_EQ(told, writable ? std::vector<std::u16string>{u"変換及び転送が終了しました"}
                             : std::vector<std::u16string>{});
    EXPECT_EQ(fs::exists(ToUtf8(output)), writable);
  }
  EXPECT_FALSE(fs::exists(fs::path(home_.Path()) / "ERR_INFO.TXT"));
}

// A program with a line that cannot be converted is never handed to the host as if converted.
TEST_F(AutomaticRunTest, ForwardingTransferRefusesAProgramWithUnconvertibleLines) {
  WriteInput("G92X0Y0\r\nG111X50.Y0.K90.\r\nM30\r\n");
  const std::u16string output = home_.File("host.nc");
  AutoHost host;
  host.operate = [&](CQuorvalenDlg& dialog) {
    host.view.unconvertibleLines.clear();
    dialog.ConvertAndTransfer();
  };
  CQuorvalenApp app(host, {FromUtf8(home_.Path()), ""});
  app.Run(u"TARVELIS|" + home_.File("samples/sample1.nc") + u"|" + output);
  EXPECT_FALSE(fs::exists(ToUtf8(output)));
  EXPECT_FALSE(host.view.unconvertibleLines.empty());  // listed again instead
  for (const Message& message : host.interaction.messages) {
    EXPECT_NE(message.text, u"変換及び転送が終了しました");
  }
}

// A request a second start left behind is taken up on closing: a wrong keyword keeps the data,
// a good one after convert and transfer loads the next input without a question.
TEST_F(AutomaticRunTest, ForwardingRequestLoadsTheNextInputInsteadOfClosing) {
  fs::copy_file(fs::path(home_.Path()) / "samples" / "sample1.nc",
                fs::path(home_.Path()) / "next.nc");
  AutoHost host;
  std::vector<int32_t> results;
  host.operate = [&](CQuorvalenDlg& dialog) {
    const std::u16string settings = home_.File("System/Quorvalen.ini");
    dialog.ConvertAndTransfer();
    WriteProfileString(settings, u"Forwarding", u"CmdName", u"TARVELIS!|a|b");
    results.push_back(dialog.Close());
    WriteProfileString(settings, u"Forwarding", u"CmdName",
                       u"TARVELIS|" + home_.File("next.nc") + u"|" + home_.File("next_out.nc"));
    results.push_back(dialog.Close());
  };
  CQuorvalenApp app(host, {FromUtf8(home_.Path()), ""});
  app.Run(u"TARVELIS|" + home_.File("samples/sample1.nc") + u"|" + home_.File("out.nc"));
  EXPECT_EQ(results, (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(app.Arguments().inputPath, home_.File("next.nc"));
  ASSERT_EQ(host.interaction.messages.size(), 2u);
  EXPECT_EQ(host.interaction.messages[1].text, u"データ名称が不正です\nデータを読み込みできません");
  EXPECT_TRUE(host.interaction.questions.empty());
}

// Each failure leaves exactly its line and no output file.
TEST_F(AutomaticRunTest, EachFailureWritesItsResultLineAndNoOutput) {
  const std::string g98 =
      "%\r\nG92X0Y0\r\nU01\r\nG00X5.Y5.\r\nV01\r\nG98X10.Y10.I20.J20.P2K2\r\n"
      "G75W01Q0\r\nM30\r\n%\r\n";
  // Each pass of "ばらし" multiplies the program by 20.
  std::string recursive = "G92X0Y0\r\nG90G00X10.Y10.T101\r\nM98P1000\r\nM30\r\nO1000\r\n";
  for (int i = 0; i < 20; ++i) recursive += "M98P1000\r\n";
  recursive += "M99\r\n";
  struct Case {
    const char* name;
    std::function<void()> prepare;
    std::function<void(CQuorvalenApp&)> before;
    std::string expected;
  };
  const Case cases[] = {
      {"unknown post", [&] { SetData(u"SavePost", u"NOPOST"); }, {}, "103 ポストが未登録です"},
      {"post named in other letter case",
       [&] {
         std::u16string post = ReadProfileString(home_.File("System/Quorvalen.ini"),
                                                 u"Quorvalen_Data", u"SavePost", u"");
         post.replace(post.find(u"PL"), 2, u"pl");
         SetData(u"SavePost", post);
       },
       {},
       "103 ポストが未登録です"},
      {"other material", [&] { SetData(u"SaveMater", u"SUS304X"); }, {}, "104 材質が未登録です"},
      {"other thickness", [&] { SetData(u"SaveThick", u"9.9"); }, {}, "105 板厚が未登録です"},
      {"string run that keeps nothing",
       [&] {
         WriteProfileString(home_.File("System/Quorvalen.ini"), u"HenkanType", u"type", u"1");
         WriteInput("A;1\r\nB;2\r\n");
       },
       {},
       "106 出力データがありません"},
      {"empty input", [&] { WriteInput(""); }, {}, "107 入力データがありません"},
      {"no program number", [&] { WriteInput(g98); },
       [](CQuorvalenApp& app) { app.Posts().record.programNumber.clear(); },
       "108 プログラム番号が未登録です"},
      {"no subprogram end", [&] { WriteInput(g98); },
       [](CQuorvalenApp& app) { app.Posts().record.subprogramEndCode.clear(); },
       "109 サブプロが未登録です"},
      {"no call word", [&] { WriteInput(g98); },
       [](CQuorvalenApp& app) { app.Posts().record.subprogramNumberWord.clear(); },
       "110 サブプロ呼出が未登録です"},
      {"unconvertible",
       [&] {
         WriteInput(
             "G92X0Y0\r\nG111X0Y0I40.J20.\r\nG01X5.\r\nG111X50.Y0.K90.\r\nG111X50.Y0.Q2.\r\n");
       },
       {},
       "112 変換できないマクロまたはコードが 2 "
       "個あります。「ポスト編集」内の「特殊変換コード」の設定で対応して下さい"},
      {"pattern asking for five million figures",
       [&] { WriteInput("G92X0Y0\r\nG112I8.\r\nG128X40.Y30.I40.J0K5000000\r\nM30\r\n"); },
       {},
       "112 変換できないマクロまたはコードが 1 "
       "個あります。「ポスト編集」内の「特殊変換コード」の設定で対応して下さい"},
      {"input of 1 GB",
       [&] {
         WriteInput("");
         fs::resize_file(fs::path(home_.Path()) / "samples" / "sample1.nc", 1ull << 30);
       },
       {},
       "111 変換用メモリが容量を超えました"},
  };
  const std::string ini = ReadBytes(home_.File("System/Quorvalen.ini"));
  const std::string pst = ReadBytes(home_.File("System/Quorvalen.pst"));
  const std::string sample = ReadBytes(home_.File("samples/sample1.nc"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(home_.File("System/Quorvalen.ini"), ini);
    WriteBytes(home_.File("System/Quorvalen.pst"), pst);
    WriteBytes(home_.File("samples/sample1.nc"), sample);
    fs::remove(fs::path(home_.Path()) / "samples" / "sample1_out.nc");
    c.prepare();
    EXPECT_EQ(Run(c.before), c.expected);
    EXPECT_FALSE(OutputWritten());
    // A post name that is not registered gets no section of its own in the post file.
    if (c.expected.starts_with("103")) {
      EXPECT_TRUE(ReadBytes(home_.File("System/Quorvalen.pst")) == pst);
    }
  }
}

}  // namespace
}  // namespace qv::test
