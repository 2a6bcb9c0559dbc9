#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/FileReplace.h"

namespace qv {
namespace {

TEST(ReplaceFileAtomically, SwapsInTheScratchFileAndRemovesIt) {
  test::TempDir dir;
  test::WriteBytes(dir.File("post.pst"), "old");
  test::WriteBytes(dir.File("Temp.dat"), "new");
  EXPECT_EQ(ReplaceFileAtomically(dir.File("Temp.dat"), dir.File("post.pst")), 0);
  EXPECT_EQ(test::ReadBytes(dir.File("post.pst")), "new");
  EXPECT_FALSE(PathExists(dir.File("Temp.dat")));
}

TEST(ReplaceFileAtomically, MissingScratchLeavesTheTargetAlone) {
  test::TempDir dir;
  test::WriteBytes(dir.File("post.pst"), "old");
  EXPECT_EQ(ReplaceFileAtomically(dir.File("Temp.dat"), dir.File("post.pst")), -2);
  EXPECT_EQ(test::ReadBytes(dir.File("post.pst")), "old");
}

TEST(ReplaceFileAtomically, KeepsThePermissionsAndWritesThroughALink) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.Path() + "/real");
  const std::u16string real = dir.File("real/Quorvalen.ini");
  test::WriteBytes(real, "old");
  ::chmod(ToUtf8(real).c_str(), 0600);
  std::filesystem::create_symlink("real/Quorvalen.ini", dir.Path() + "/Quorvalen.ini");
  test::WriteBytes(dir.File("scratch"), "new");
  EXPECT_EQ(ReplaceFileAtomically(dir.File("scratch"), dir.File("Quorvalen.ini")), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() + "/Quorvalen.ini"));
  EXPECT_EQ(test::ReadBytes(real), "new");
  struct stat info {};
  ASSERT_EQ(::stat(ToUtf8(real).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// A read-only file is not swapped out from under its mark (a rename would get round it).
TEST(ReplaceFileAtomically, LeavesAReadOnlyFileAlone) {
  test::TempDir dir;
  test::WriteBytes(dir.File("out.nc"), "old");
  ::chmod(ToUtf8(dir.File("out.nc")).c_str(), 0444);
  test::WriteBytes(dir.File("scratch"), "new");
  EXPECT_EQ(CheckReplaceable(dir.File("out.nc")), -5);
  EXPECT_EQ(ReplaceFileAtomically(dir.File("scratch"), dir.File("out.nc")), -5);
  EXPECT_EQ(test::ReadBytes(dir.File("out.nc")), "old");
}

TEST(RemoveFile, ReportsAMissingFile) {
  test::TempDir dir;
  test::WriteBytes(dir.File("a"), "x");
  EXPECT_EQ(RemoveFile(dir.File("a")), 0);
  EXPECT_EQ(RemoveFile(dir.File("a")), -2);
}

}  // namespace
}  // namespace qv
