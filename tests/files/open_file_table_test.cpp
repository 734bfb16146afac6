#include "files/open_file_table.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace netbar {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(OpenFile, RewriteModeCreatesOrEmptiesTheFile) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  WriteFileBytes(path, Text(1000, 'x'));
  const FileNumber file = OpenFile(path, kModeRewrite);
  ASSERT_NE(file, 0);
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(ReadFileBytes(path), "");

  const std::string fresh = dir.File("new.txt");
  const FileNumber created = OpenFile(fresh, kModeRewrite);
  ASSERT_NE(created, 0);
  EXPECT_TRUE(CloseFile(created));
  EXPECT_TRUE(testing::FileExists(fresh));
}

TEST(OpenFile, RefusalsGiveZeroAndTouchNothing) {
  TempDir dir;
  const std::string read_only = dir.File("ro.txt");
  WriteFileBytes(read_only, "keep");
  testing::MakeReadOnly(read_only);
  struct Case {
    const char* what;
    std::string path;
    int32_t mode;
    int32_t share;
  } cases[] = {
      {"empty path", "", kModeRewrite, 1},
      {"mode below range", dir.File("a"), 0, 1},
      {"mode above range", dir.File("a"), 7, 1},
      {"share mode above range", dir.File("a"), kModeRewrite, 5},
      {"read-only file", read_only, kModeRewrite, 1},
      {"missing directory", dir.File("missing") + "/x.txt", kModeRewrite, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(OpenFile(c.path, c.mode, c.share), 0);
  }
  EXPECT_EQ(OpenFileCount(), 0);
  EXPECT_EQ(ReadFileBytes(read_only), "keep");
  EXPECT_FALSE(testing::FileExists(dir.File("a")));
  testing::MakeWritable(read_only);
}

TEST(WriteBytes, AppendsInOrderAndReachesTheFileAtClose) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  const FileNumber file = OpenFile(path, kModeRewrite);
  ASSERT_NE(file, 0);
  EXPECT_TRUE(WriteBytes(file, {"ab"}));
  EXPECT_TRUE(WriteBytes(file, {"", "cd"}));
  // A piece larger than the write buffer goes straight through, after what
  // was buffered before it.
  const Text big(200 * 1024, 'z');
  EXPECT_TRUE(WriteBytes(file, {big}));
  EXPECT_TRUE(WriteBytes(file, Bytes(std::string_view("!"))));
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(ReadFileBytes(path), "abcd" + big + "!");
}

TEST(WriteBytes, NumbersThatNameNoOpenFile) {
  TempDir dir;
  EXPECT_FALSE(WriteBytes(0, {"x"}));
  const FileNumber file = OpenFile(dir.File("out.txt"), kModeRewrite);
  ASSERT_NE(file, 0);
  EXPECT_FALSE(WriteBytes(file + 1000, {"x"}));
  EXPECT_TRUE(CloseFile(file));
  EXPECT_FALSE(WriteBytes(file, {"x"}));
  EXPECT_FALSE(CloseFile(file));  // a second close does nothing
  EXPECT_FALSE(CloseFile(0));
}

TEST(OpenFileTable, NumbersAreUniqueAndCloseAllEmptiesTheTable) {
  TempDir dir;
  const FileNumber a = OpenFile(dir.File("a"), kModeRewrite);
  const FileNumber b = OpenFile(dir.File("b"), kModeRewrite);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_TRUE(WriteBytes(a, {"line\r\n"}));
  EXPECT_EQ(OpenFileCount(), 2);
  CloseAllFiles();
  EXPECT_EQ(OpenFileCount(), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("a")), "line\r\n");  // flushed by the close
  EXPECT_FALSE(WriteBytes(a, {"x"}));
}

#ifndef _WIN32
TEST(WriteBytes, AFullDiskFailsAndStaysFailed) {
  const FileNumber file = OpenFile("/dev/full", kModeRewrite);
  ASSERT_NE(file, 0);
  // The first pieces fit in the buffer; the failure shows at the latest
  // when the buffer reaches the system.
  bool all = true;
  for (int i = 0; i < 5000; ++i) all = WriteBytes(file, {"00-1A-2B-3C-4D-5E PC001\r\n"}) && all;
  EXPECT_FALSE(all);
  EXPECT_FALSE(WriteBytes(file, {"x"}));
  EXPECT_FALSE(CloseFile(file));
  EXPECT_EQ(OpenFileCount(), 0);
}
#endif

}  // namespace
}  // namespace netbar
