#include "app/program_end.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "files/open_file_table.h"
#include "support/fatal_exit.h"
#include "support/temp_dir.h"

namespace netbar {
namespace {

TEST(ComposeRuntimeErrorReport, HeadCodeAndMessage) {
  EXPECT_EQ(ComposeRuntimeErrorReport(1),
            "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
  EXPECT_EQ(ComposeRuntimeErrorReport(4),
            "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n");
  EXPECT_EQ(ComposeRuntimeErrorReport(0, "分配 300 字节内存失败!"),
            "运行时出错!\r\n\r\n错误信息：分配 300 字节内存失败!\r\n");
  EXPECT_EQ(ComposeRuntimeErrorReport(0, "载入启动窗口失败"),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(ComposeRuntimeErrorReport(-7), "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n");
}

// Death tests on Windows run the test again in a new process, which would
// make a TempDir of its own; the file they share therefore has a fixed name.
std::string SharedFile(const char* name) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::filesystem::remove(path);
  return path;
}

int callback_runs = 0;
void CountingCallback() {
  ++callback_runs;
  std::fputs("callback ran\n", stderr);
}

TEST(ProgramEndDeathTest, OrdinaryEndRunsTheCallbackOnceAndClosesFiles) {
  const std::string path = SharedFile("netbar-ordinary-end.txt");
  EXPECT_EXIT(
      {
        RegisterExitCallback(CountingCallback);
        const FileNumber file = OpenFile(path, kModeRewrite);
        WriteBytes(file, {"kept\r\n"});
        FinishProgram(0);
        FinishProgram(0);  // a second end finds nothing left to do
        std::fprintf(stderr, "runs=%d gate=%d open=%d\n", callback_runs, EventGateRaised(),
                     OpenFileCount());
        ExitProgram(0);
      },
      ::testing::ExitedWithCode(0), "callback ran\nruns=1 gate=1 open=0");
  EXPECT_EQ(testing::ReadFileBytes(path), "kept\r\n");
}

TEST(ProgramEndDeathTest, FatalReportSkipsTheCallbackAndKeepsWrittenLines) {
  const std::string path = SharedFile("netbar-fatal-end.txt");
  EXPECT_EXIT(
      {
        RegisterExitCallback(CountingCallback);
        const FileNumber file = OpenFile(path, kModeRewrite);
        WriteBytes(file, {"line 1\r\n", "line 2\r\n"});
        ReportRuntimeError(4);
      },
      netbar::testing::ExitedAfterFatalReport,
      "^运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n$");
  EXPECT_EQ(testing::ReadFileBytes(path), "line 1\r\nline 2\r\n");
}

TEST(ProgramEndDeathTest, FailedMemoryRequestNamesTheBytesAskedFor) {
  // More than half of any address space, so the request fails for sure.
  const size_t huge = static_cast<size_t>(-1) / 2 - 4096;
  EXPECT_EXIT(
      {
        volatile size_t size = huge;
        char* p = new char[size];
        p[0] = 1;
      },
      netbar::testing::ExitedAfterFatalReport,
      "错误信息：分配 " + std::to_string(huge) + " 字节内存失败!\r\n");
}

}  // namespace
}  // namespace netbar
