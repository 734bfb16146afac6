// How long the edit box takes to show a run's records: one append per line
// (what each record's report costs on its own) against the run's lines
// gathered and appended at once (what the window does), and a whole
// conversion run through the window. Not a test: it prints figures.
//   append_cost_benchmark [RECORDS...]     default 1000 10000 100000
// The line-by-line appends stop after PER_LINE_LIMIT seconds (120) and
// report how far they came.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"
#include "tests/ui/generated_lists.h"
#include "tests/ui/windows_test_files.h"
#include "ui/edit_box_append.h"
#include "ui/main_window.h"
#include "ui/win32_handles.h"

namespace {

using netbar::ui::MainWindow;

// <chrono> cannot be built with the GBK execution character set.
LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double SecondsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(Now() - start) / static_cast<double>(frequency.QuadPart);
}

std::vector<netbar::Text> Lines(const std::string& text) {
  std::vector<netbar::Text> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at) + 2;
    lines.emplace_back(text.substr(at, end - at));
    at = end;
  }
  return lines;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

int main(int argc, char** argv) {
  const netbar::ui::OleScope ole;
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {1000, 10000, 100000};
  const double per_line_limit = 120;

  std::printf(
      "| records | one append per line | one append per run | whole run (read, convert, write, "
      "show) |\n");
  std::printf("|---:|---:|---:|---:|\n");
  for (const int count : counts) {
    const netbar::ui::testing::GeneratedList list = netbar::ui::testing::MacSectionList(count);
    const std::vector<netbar::Text> lines = Lines(list.lines);

    std::string per_line;
    {
      MainWindow window;
      window.Create(GetModuleHandleA(nullptr));
      Pump();
      const LONGLONG start = Now();
      size_t done = 0;
      for (const netbar::Text& line : lines) {
        netbar::ui::AppendToEditBox(window.edit_box(), line);
        ++done;
        if ((done & 255) == 0 && SecondsSince(start) > per_line_limit) break;
      }
      UpdateWindow(window.window());
      const double seconds = SecondsSince(start);
      char figure[96];
      if (done == lines.size()) {
        std::snprintf(figure, sizeof figure, "%.3f s", seconds);
      } else {
        std::snprintf(figure, sizeof figure, "> %.0f s (stopped after %zu lines)", seconds, done);
      }
      per_line = figure;
    }

    double batched = 0;
    {
      MainWindow window;
      window.Create(GetModuleHandleA(nullptr));
      Pump();
      netbar::ui::EditBoxLines gathered(window.edit_box());
      const LONGLONG start = Now();
      for (const netbar::Text& line : lines) gathered.Append(line);
      gathered.Flush();
      UpdateWindow(window.window());
      batched = SecondsSince(start);
    }

    double whole_run = 0;
    {
      const netbar::ui::testing::ScratchDirectory directory("netbar-bench");
      netbar::ui::testing::WriteBytes(directory.File("list.ini"), list.list);
      MainWindow window;
      window.Create(GetModuleHandleA(nullptr));
      Pump();
      netbar::Globals().output_path = directory.File("Netbar_MAC.txt");
      const LONGLONG start = Now();
      (void)netbar::ConvertDroppedFile(directory.File("list.ini"), window);
      UpdateWindow(window.window());
      whole_run = SecondsSince(start);
    }
    std::printf("| %d | %s | %.3f s | %.3f s |\n", count, per_line.c_str(), batched, whole_run);
    std::fflush(stdout);
  }
  return 0;
}
