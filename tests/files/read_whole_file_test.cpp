#include "files/read_whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/open_file_table.h"
#include "support/temp_dir.h"

namespace netbar {
namespace {

using namespace std::string_view_literals;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(ReadWholeFile, GivesEveryByteNulsIncluded) {
  TempDir dir;
  const std::string path = dir.File("list.ini");
  const std::string_view content = "[a]\0\xD6\xD0\r\n"sv;
  WriteFileBytes(path, content);
  EXPECT_EQ(ReadWholeFile(path).view(), content);
}

TEST(ReadWholeFile, EmptyOnEveryFailure) {
  TempDir dir;
  const std::string empty = dir.File("empty");
  WriteFileBytes(empty, "");
  std::filesystem::create_directory(dir.File("folder"));
  const std::string two_files = dir.File("a.ini") + "\r\n" + dir.File("b.ini") + "\r\n";
  WriteFileBytes(dir.File("a.ini"), "[x]");
  const std::string cases[] = {"", dir.File("missing"), empty, dir.File("folder"), two_files};
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(ReadWholeFile(path).empty());
  }
}

TEST(ReadWholeFile, ReadingThenRewritingTheSamePath) {
  TempDir dir;
  const std::string path = dir.File("Netbar_MAC.txt");
  WriteFileBytes(path, "old\r\n");
  const Bytes old = ReadWholeFile(path);
  const FileNumber file = OpenFile(path, kModeRewrite);
  ASSERT_NE(file, 0);
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(old.view(), "old\r\n");
  EXPECT_EQ(testing::ReadFileBytes(path), "");
}

}  // namespace
}  // namespace netbar
