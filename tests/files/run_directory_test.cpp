#include "files/run_directory.h"

#include <gtest/gtest.h>

#include "conversion/program_globals.h"

namespace netbar {
namespace {

TEST(DirectoryOfPath, CutsAtTheLastSeparatorByTheCharacterRule) {
  const Text sep(1, kPathSeparator);
  struct Case {
    const char* what;
    Text path;
    Text want;
  } cases[] = {
      {"ordinary", "C:" + sep + "Tools" + sep + "NetbarMac.exe", "C:" + sep + "Tools"},
      {"drive root", "C:" + sep + "NetbarMac.exe", "C:"},
      {"no separator", "NetbarMac.exe", ""},
      {"empty", "", ""},
      // A two-byte character whose trail byte is the separator's code is no
      // separator (0x5C trails GBK characters such as 0x81 0x5C).
      {"trail byte equal to the separator", "D:" + sep + "\x81" + sep + "x" + sep + "a.exe",
       "D:" + sep + "\x81" + sep + "x"},
      {"trail byte is the last candidate", "D:" + sep + "\x81" + sep + "a.exe", "D:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DirectoryOfPath(c.path), c.want);
  }
}

TEST(OutputPathInDirectory, OneSeparatorBetween) {
  const Text sep(1, kPathSeparator);
  EXPECT_EQ(OutputPathInDirectory("C:" + sep + "Tools"),
            "C:" + sep + "Tools" + sep + "Netbar_MAC.txt");
  EXPECT_EQ(OutputPathInDirectory("C:"), "C:" + sep + "Netbar_MAC.txt");
}

TEST(GetRunDirectory, IsTheDirectoryOfThisExecutable) {
  FixRunDirectory();
  const Text executable = GetExecutablePath();
  ASSERT_FALSE(executable.empty());
  const Text directory = GetRunDirectory();
  EXPECT_FALSE(directory.empty());
  EXPECT_EQ(executable.substr(0, directory.size() + 1), directory + kPathSeparator);
  EXPECT_EQ(executable.find(kPathSeparator, directory.size() + 1), Text::npos);
}

TEST(WorkingDirectory, CanBeSetAndReadBack) {
  const Text before = GetWorkingDirectory();
  ASSERT_FALSE(before.empty());
  FixRunDirectory();
  ASSERT_TRUE(SetWorkingDirectory(GetRunDirectory()));
  EXPECT_EQ(GetWorkingDirectory(), GetRunDirectory());
  EXPECT_FALSE(SetWorkingDirectory(""));
  ASSERT_TRUE(SetWorkingDirectory(before));
}

}  // namespace
}  // namespace netbar
