#include "TestSupport.h"
#include "app/StartArguments.h"

namespace qv {
namespace {

TEST(StartArgumentsTest, SelectsTheModeFromTheFields) {
  const StartArguments forwarding = ParseStartArguments(u"TARVELIS|C:/in data.nc|C:/out.nc");
  EXPECT_EQ(forwarding.startMode, kStartForwarding);
  EXPECT_EQ(forwarding.inputPath, u"C:/in data.nc");
  EXPECT_EQ(forwarding.outputPath, u"C:/out.nc");
  EXPECT_EQ(forwarding.commandLine, u"TARVELIS|C:/in data.nc|C:/out.nc");

  EXPECT_EQ(ParseStartArguments(u"AUTOCONV").startMode, kStartAutomatic);
  EXPECT_EQ(ParseStartArguments(u"").startMode, kStartNormal);
  EXPECT_EQ(ParseStartArguments(u"AUTOCONV|x").startMode, kStartNormal);
  EXPECT_EQ(ParseStartArguments(u"autoconv").startMode, kStartNormal);
  EXPECT_EQ(ParseStartArguments(u"TARVELIS|in").startMode, kStartNormal);
  EXPECT_EQ(ParseStartArguments(u"TARVELIS|a|b|c").startMode, kStartNormal);
  EXPECT_EQ(ParseStartArguments(u"OTHER|a|b").startMode, kStartNormal);
  EXPECT_TRUE(ParseStartArguments(u"OTHER|a|b").inputPath.empty());
}

TEST(StartArgumentsTest, JoinsTheArgumentsByOneSpace) {
  const char* argv[] = {"quorvalen", "TARVELIS|/tmp/my", "file.nc|/tmp/out.nc"};
  const StartArguments arguments = ParseStartArguments(JoinArguments(3, argv));
  EXPECT_EQ(arguments.startMode, kStartForwarding);
  EXPECT_EQ(arguments.inputPath, u"/tmp/my file.nc");
  const char* none[] = {"quorvalen"};
  EXPECT_EQ(JoinArguments(1, none), u"");
}

}  // namespace
}  // namespace qv
