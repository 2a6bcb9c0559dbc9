#include <gtest/gtest.h>

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

TEST(RemoveFile, ReportsAMissingFile) {
  test::TempDir dir;
  test::WriteBytes(dir.File("a"), "x");
  EXPECT_EQ(RemoveFile(dir.File("a")), 0);
  EXPECT_EQ(RemoveFile(dir.File("a")), -2);
}

}  // namespace
}  // namespace qv
