#include <filesystem>

#include "TestSupport.h"
#include "nctext/ProfileFile.h"
#include "platform/Codec.h"
#include "settings/SettingsFile.h"

namespace qv {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() { std::filesystem::create_directory(dir_.Path() + "/System"); }

  void WriteIni(std::string_view utf8Lines) {
    std::string bytes;
    for (char c : EncodeCp932(FromUtf8(utf8Lines))) {
      if (c == '\n') bytes.push_back('\r');
      bytes.push_back(c);
    }
    test::WriteBytes(Path(), bytes);
  }
  std::u16string Path() const { return SettingsPath(SystemFiles(Folder())); }
  std::u16string Folder() const { return FromUtf8(dir_.Path()); }
  Settings Load() {
    Settings settings;
    EXPECT_EQ(LoadSettings(settings, SystemFiles(Folder())), 0);
    return settings;
  }
  std::u16string Stored(std::u16string_view section, std::u16string_view key) {
    return ReadProfileString(Path(), section, key, u"<missing>");
  }

  test::TempDir dir_;
};

TEST_F(SettingsFileTest, MissingFileGivesTheDefaults) {
  const Settings s = Load();
  EXPECT_EQ(s.profilePath, Folder() + u"/System/Quorvalen.ini");
  EXPECT_EQ(s.post, (NamePair{}));
  EXPECT_EQ(s.material, (NamePair{}));
  EXPECT_EQ(s.loadFilePath, Folder());
  EXPECT_EQ(s.saveFilePath, Folder());
  EXPECT_EQ(s.seqCode, u"N");
  EXPECT_EQ(s.seqNo, 1000);
  EXPECT_EQ(s.comment, 1);
  EXPECT_EQ(s.extRNo, 1);
  EXPECT_EQ(s.dialog, (DialogPlacement{0, 0, 1024, 768, 300, 0}));
  EXPECT_EQ(s.loadFilter, DefaultFileFilter());
  EXPECT_EQ(s.saveFilter, DefaultFileFilter());
  EXPECT_EQ(s.stringConversionA.size(), 40u);
  EXPECT_TRUE(s.oldInputConversionA.empty());
}

TEST_F(SettingsFileTest, ReadsAHandWrittenFileAndSavingKeepsItsOtherLines) {
  WriteIni(
      "; kept comment\n"
      "[QUORVALEN_DATA]\n"
      "savepost = \"POST 1\"\n"
      "SAVEMATER='SPCC'\n"
      "SaveThick = 1.6\n"
      "seqno = 500\n"
      "Debug = 1 \n"
      "Custom = keep me\n"
      "[Dialog]\n"
      "isZoomed=7\n"
      "[Vendor]\n"
      "x = \"y\"\n");
  Settings s = Load();
  EXPECT_EQ(s.post, (NamePair{u"POST 1", u"POST 1"}));
  EXPECT_EQ(s.material, (NamePair{u"SPCC", u"SPCC"}));
  EXPECT_EQ(s.thickness.oldName, u"1.6");
  EXPECT_EQ(s.seqNo, 500);
  EXPECT_EQ(s.debug, 1);
  EXPECT_EQ(s.dialog.isZoomed, 1);

  s.post.oldName = u"POST 2";
  ASSERT_EQ(SaveSettings(s), 0);
  const std::string bytes = test::ReadBytes(Path());
  EXPECT_EQ(bytes.rfind("; kept comment\r\n[QUORVALEN_DATA]\r\nsavepost=POST 2\r\n", 0), 0u);
  EXPECT_NE(bytes.find("\r\nseqno = 500\r\nDebug = 1 \r\nCustom = keep me\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n[Vendor]\r\nx = \"y\"\r\n"), std::string::npos);
  EXPECT_EQ(Stored(u"Dialog", u"isZoomed"), u"1");
}

TEST_F(SettingsFileTest, SaveWritesTheCurrentVersionAndEmptiesTheForwardingKeys) {
  WriteIni("[Quorvalen_Data]\nVersion=1.50\n[Forwarding]\nName=ＮＣデータ変換\nCmdName=a|b|c\n");
  Settings s = Load();
  EXPECT_EQ(s.versionRead, u"1.50");
  EXPECT_EQ(s.version, u"1.69");
  ASSERT_EQ(SaveSettings(s), 0);
  EXPECT_EQ(Stored(u"Quorvalen_Data", u"Version"), u"1.69");
  EXPECT_EQ(Stored(u"Forwarding", u"Name"), u"");
  EXPECT_EQ(Stored(u"Forwarding", u"CmdName"), u"");
}

TEST_F(SettingsFileTest, FreshSaveWritesKeysInTheirOrder) {
  Settings s = Load();
  ASSERT_EQ(SaveSettings(s), 0);
  ProfileFile file(Path());
  ASSERT_EQ(file.Load(), 0);
  const auto lines = file.Lines();
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0], u"[Quorvalen_Data]");
  EXPECT_EQ(lines[1], u"Version=1.69");
  EXPECT_EQ(lines[2], u"SavePost=");
  EXPECT_EQ(lines[5], u"LoadFilePath=" + Folder());
  // 800 input conversion keys, 80 string conversion keys.
  size_t mhenkan = 0, mojiretu = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == u"[MHenkan]") mhenkan = i;
    if (lines[i] == u"[MojiretuHenkan]") mojiretu = i;
  }
  EXPECT_EQ(mojiretu - mhenkan, 801u);
  EXPECT_EQ(lines[mhenkan + 1], u"b101=");
  EXPECT_EQ(lines[mhenkan + 400], u"b040=");
  EXPECT_EQ(lines[mhenkan + 401], u"a101=");
  EXPECT_EQ(lines[mojiretu + 1], u"b041=");
  EXPECT_EQ(lines[mojiretu + 80], u"a080=");
  EXPECT_EQ(lines.back(), u"isZoomed=0");
}

TEST_F(SettingsFileTest, DoubleQuotesOfTheInputTableTravelAsDollars) {
  Settings s = Load();
  s.inputConversionA[0] = u"\"G28\"";
  s.inputConversionB[9 * 40 + 39] = u"say \"hi\"";
  s.stringConversionA[0] = u"\"kept\"";
  ASSERT_EQ(SaveSettings(s), 0);
  EXPECT_EQ(Stored(u"MHenkan", u"a101"), u"$G28$");
  EXPECT_EQ(Stored(u"MHenkan", u"b040"), u"say $hi$");

  Settings again = Load();
  LoadInputConversionTables(again, 1, 169);
  EXPECT_EQ(again.inputConversionA[0], u"\"G28\"");
  EXPECT_EQ(again.inputConversionB[399], u"say \"hi\"");
  // The string conversion table has no such rule: its values are stored as they are.
  EXPECT_EQ(again.stringConversionA[0], u"\"kept\"");
}

TEST_F(SettingsFileTest, StringTableWritesOnlyTheRowsItHolds) {
  Settings s = Load();
  s.stringConversionA.assign(3, u"A");
  s.stringConversionB.assign(2, u"B");
  ASSERT_EQ(SaveSettings(s), 0);
  EXPECT_EQ(Stored(u"MojiretuHenkan", u"a043"), u"A");
  EXPECT_EQ(Stored(u"MojiretuHenkan", u"a044"), u"<missing>");
  EXPECT_EQ(Stored(u"MojiretuHenkan", u"b042"), u"B");
  EXPECT_EQ(Stored(u"MojiretuHenkan", u"b043"), u"<missing>");
}

TEST_F(SettingsFileTest, OlderSettingsCarryTheirSingleTableIntoThePostSets) {
  WriteIni("[Quorvalen_Data]\nVersion=1.22\n[MHenkan]\na01=G28\nb01=$X$\nb20=last\na101=new\n");
  Settings s = Load();
  ASSERT_EQ(s.oldInputConversionA.size(), 20u);
  EXPECT_EQ(s.oldInputConversionB[0], u"\"X\"");
  LoadInputConversionTables(s, 2, 169);
  EXPECT_EQ(s.inputConversionA[0], u"G28");
  EXPECT_EQ(s.inputConversionB[19], u"last");
  EXPECT_EQ(s.inputConversionA[40], u"G28");
  EXPECT_EQ(s.inputConversionB[40], u"\"X\"");
  EXPECT_EQ(s.inputConversionA[80], u"");  // only the first two sets
}

TEST_F(SettingsFileTest, CurrentSettingsIgnoreTheOlderKeys) {
  WriteIni("[Quorvalen_Data]\nVersion=1.69\n[MHenkan]\na01=G28\na101=new\na001=tenth\n");
  Settings s = Load();
  EXPECT_TRUE(s.oldInputConversionA.empty());
  LoadInputConversionTables(s, 10, 100);
  EXPECT_EQ(s.inputConversionA[0], u"new");
  EXPECT_EQ(s.inputConversionA[360], u"tenth");
}

TEST_F(SettingsFileTest, NamesAndFiltersAreCutToTheirBuffers) {
  const std::string longName(50, 'M');
  const std::string longFilter(600, 'f');
  WriteIni("[Quorvalen_Data]\nSaveMater=" + longName + "\nSavePost=" + longName +
           "\n[Filter]\nLoadname=" + longFilter + "\n");
  const Settings s = Load();
  EXPECT_EQ(s.material.oldName.size(), 40u);
  EXPECT_EQ(s.post.oldName.size(), 50u);
  EXPECT_EQ(s.loadFilter.size(), 499u);
}

TEST(SettingsKeyTest, InputConversionKeysNumberTheSetsFromOne) {
  EXPECT_EQ(InputConversionKey(u'a', 0, 0), u"a101");
  EXPECT_EQ(InputConversionKey(u'b', 9, 39), u"b040");
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(ShippedSettingsTest, ShippedSettingsNameTheSampleProgram) {
  test::TempDir home;
  std::filesystem::copy(QV_SHIPPED_DATA_DIR, home.Path() + "/System");
  const std::string specialCodes =
      test::ReadBytes(FromUtf8(home.Path() + "/System/Quorvalen1.pst"));
  Settings s;
  ASSERT_EQ(LoadSettings(s, SystemFiles(FromUtf8(home.Path()))), 0);
  EXPECT_EQ(s.inName, u"samples/sample1.nc");
  EXPECT_EQ(s.versionRead, u"1.69");
  EXPECT_EQ(s.loadFilter, DefaultFileFilter());
  EXPECT_EQ(s.material.oldName, u"SPCC");
  // The shipped special code file already follows the shipped posts.
  EXPECT_EQ(test::ReadBytes(FromUtf8(home.Path() + "/System/Quorvalen1.pst")), specialCodes);
  const std::string sample = test::ReadBytes(FromUtf8(QV_SHIPPED_DATA_DIR "/../../") + s.inName);
  EXPECT_EQ(sample.rfind("%\r\nO1000(", 0), 0u);
}

}  // namespace
}  // namespace qv
