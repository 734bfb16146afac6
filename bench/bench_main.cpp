// netbar-bench: generates client lists of every format and size, times the
// console converter, `wc -l` and an awk one-liner on each of them, then the
// conversion in-process, checks every output against the generator's
// expected lines, and prints the results as Markdown.
//
//   netbar-bench --converter build/linux/netbar-mac --work build/bench
//                [--clients 10000,100000,1000000] [--runs 5] [--repetitions 5]
//                [--min-seconds 0.2] [--markdown FILE] [Google Benchmark flags]
//
// The programs run first, while this process holds nothing large, so that
// their peak resident sets are their own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/awk_one_liners.h"
#include "bench/child_process.h"
#include "bench/client_list.h"
#include "bench/conversion_phases.h"
#include "bench/in_process.h"
#include "bench/repeated_timing.h"
#include "bench/results_table.h"

namespace netbar::bench {
namespace {

namespace fs = std::filesystem;

struct Options {
  std::string converter;
  fs::path work;
  std::vector<int64_t> clients = {10000, 100000, 1000000};
  int runs = 5;
  int repetitions = 5;
  double min_seconds = 0.2;  // the least time Google Benchmark spends on one repetition
  std::string markdown;
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "netbar-bench: " << message << "\n";
  std::exit(1);
}

std::vector<int64_t> ParseCounts(const std::string& text) {
  std::vector<int64_t> counts;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    char* end = nullptr;
    const long long n = std::strtoll(item.c_str(), &end, 10);
    if (item.empty() || *end != '\0' || n < 1) Fail("bad client count: " + item);
    counts.push_back(n);
  }
  if (counts.empty()) Fail("no client counts");
  return counts;
}

int ParsePositive(const std::string& text) {
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || n < 1 || n > 1000) Fail("bad number: " + text);
  return static_cast<int>(n);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (k + 1 >= argc) Fail("missing value after " + arg);
    const std::string value = argv[++k];
    if (arg == "--converter") {
      options.converter = value;
    } else if (arg == "--work") {
      options.work = value;
    } else if (arg == "--clients") {
      options.clients = ParseCounts(value);
    } else if (arg == "--runs") {
      options.runs = ParsePositive(value);
    } else if (arg == "--repetitions") {
      options.repetitions = ParsePositive(value);
    } else if (arg == "--min-seconds") {
      options.min_seconds = std::strtod(value.c_str(), nullptr);
      if (options.min_seconds <= 0) Fail("bad --min-seconds: " + value);
    } else if (arg == "--markdown") {
      options.markdown = value;
    } else {
      Fail("unknown option " + arg);
    }
  }
  if (options.converter.empty() || options.work.empty()) {
    Fail(
        "usage: netbar-bench --converter PATH --work DIR [--clients N,N] [--runs N] "
        "[--repetitions N] [--min-seconds S] [--markdown FILE]");
  }
  options.converter = fs::absolute(options.converter).string();
  return options;
}

std::string FirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string LoadAverage() {
  std::stringstream in(FirstLine("/proc/loadavg"));
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " / " + five + " / " + fifteen;
}

std::string Machine() {
  std::ifstream in("/proc/cpuinfo");
  std::string line, model = "unknown CPU";
  while (std::getline(in, line)) {
    if (line.rfind("model name", 0) == 0) {
      model = line.substr(line.find(':') + 2);
      break;
    }
  }
  return model + ", " + std::to_string(std::thread::hardware_concurrency()) + " cores";
}

std::string AwkImplementation() {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    const fs::path candidate = fs::path(dir) / "awk";
    if (access(candidate.c_str(), X_OK) == 0) {
      std::error_code error;
      const fs::path real = fs::canonical(candidate, error);
      return error ? candidate.string() : real.filename().string();
    }
  }
  return "not found";
}

// Compares two files without holding either in memory.
bool SameContents(const fs::path& a, const fs::path& b) {
  std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
  if (!fa || !fb) return false;
  std::vector<char> ba(1 << 16), bb(1 << 16);
  for (;;) {
    fa.read(ba.data(), static_cast<std::streamsize>(ba.size()));
    fb.read(bb.data(), static_cast<std::streamsize>(bb.size()));
    if (fa.gcount() != fb.gcount()) return false;
    if (!std::equal(ba.begin(), ba.begin() + fa.gcount(), bb.begin())) return false;
    if (fa.gcount() == 0) return true;
  }
}

struct BenchList {
  ListFormat format;
  ListCounts counts;
  std::string name;  // "xml-1000000"
  fs::path list;
  fs::path expected;
};

BenchList GenerateList(const fs::path& dir, ListFormat format, int64_t clients) {
  BenchList entry{
      format, {}, std::string(ListFormatKey(format)) + "-" + std::to_string(clients), {}, {}};
  entry.list = dir / (entry.name + ".txt");
  entry.expected = dir / (entry.name + ".expected");
  std::FILE* list = std::fopen(entry.list.c_str(), "wb");
  std::FILE* expected = std::fopen(entry.expected.c_str(), "wb");
  if (list == nullptr || expected == nullptr) Fail("cannot write " + entry.list.string());
  bool ok = WriteClientList(format, clients, list, expected, entry.counts);
  // On disk before anything is timed, so that no write-back runs meanwhile.
  ok = std::fflush(list) == 0 && fsync(fileno(list)) == 0 && ok;
  ok = std::fflush(expected) == 0 && fsync(fileno(expected)) == 0 && ok;
  ok = std::fclose(list) == 0 && ok;
  ok = std::fclose(expected) == 0 && ok;
  if (!ok) Fail("writing " + entry.list.string() + " failed");
  return entry;
}

struct Commands {
  ChildCommand converter, wc, awk;
};

Commands CommandsFor(const Options& options, const BenchList& entry, const fs::path& out_dir) {
  Commands c;
  c.converter.argv = {options.converter, "--output",
                      (out_dir / (entry.name + ".netbar-mac.txt")).string(), entry.list.string()};
  c.converter.stderr_path = (out_dir / (entry.name + ".netbar-mac.stderr")).string();
  c.wc.argv = {"wc", "-l", entry.list.string()};
  c.awk.argv = {"awk", std::string(AwkOneLiner(entry.format)), entry.list.string()};
  c.awk.stdout_path = (out_dir / (entry.name + ".awk.txt")).string();
  c.awk.environment_overrides = {"LC_ALL=C"};
  return c;
}

ChildResult RunChecked(const ChildCommand& command) {
  const ChildResult result = RunChild(command);
  if (!result.started) Fail("cannot run " + command.argv[0]);
  if (result.exit_status != 0) {
    Fail(command.argv[0] + " exited with " + std::to_string(result.exit_status) + " on " +
         command.argv.back());
  }
  return result;
}

ListMeasurement MeasurePrograms(const Options& options, const BenchList& entry,
                                const fs::path& out_dir) {
  const Commands commands = CommandsFor(options, entry, out_dir);
  // One round untimed: it warms the page cache and yields the outputs to check.
  RunChecked(commands.converter);
  RunChecked(commands.wc);
  RunChecked(commands.awk);
  if (!SameContents(commands.converter.argv[2], entry.expected)) {
    Fail("netbar-mac did not write the expected lines for " + entry.list.string());
  }

  ListMeasurement m;
  m.format = entry.format;
  m.clients = entry.counts.clients;
  m.list_bytes = entry.counts.list_bytes;
  m.awk_same_lines = SameContents(commands.awk.stdout_path, entry.expected);
  std::vector<double> converter, wc, awk;
  // Interleaved, so that a change of load falls on all three alike.
  for (int run = 0; run < options.runs; ++run) {
    const ChildResult c = RunChecked(commands.converter);
    converter.push_back(c.seconds);
    m.converter_peak_kib = std::max(m.converter_peak_kib, c.max_rss_kib);
    wc.push_back(RunChecked(commands.wc).seconds);
    awk.push_back(RunChecked(commands.awk).seconds);
  }
  m.converter_seconds = Best(converter);
  m.wc_seconds = Best(wc);
  m.awk_seconds = Best(awk);
  std::fprintf(stderr, "%-14s netbar-mac %8.2f ms  %7.1f MB peak  wc -l %7.2f ms  awk %8.1f ms%s\n",
               entry.name.c_str(), m.converter_seconds * 1e3,
               static_cast<double>(m.converter_peak_kib) / 1024, m.wc_seconds * 1e3,
               m.awk_seconds * 1e3, m.awk_same_lines ? "" : "  (awk output differs)");
  return m;
}

int Run(const Options& options) {
  const fs::path list_dir = options.work / "lists";
  const fs::path out_dir = options.work / "out";
  fs::create_directories(list_dir);
  fs::create_directories(out_dir);

  RunConditions conditions;
  conditions.runs = options.runs;
  conditions.in_process_repetitions = options.repetitions;
  conditions.machine = Machine();
  conditions.awk = AwkImplementation();
  conditions.load_before = LoadAverage();

  std::vector<BenchList> lists;
  for (const ListFormat format : kAllListFormats) {
    for (const int64_t clients : options.clients) {
      lists.push_back(GenerateList(list_dir, format, clients));
    }
  }

  std::vector<ListMeasurement> rows;
  for (const BenchList& entry : lists) rows.push_back(MeasurePrograms(options, entry, out_dir));

  const int64_t largest = *std::max_element(options.clients.begin(), options.clients.end());
  std::vector<InProcessCase> cases;
  for (const BenchList& entry : lists) {
    cases.push_back(
        {entry.name, entry.list.string(), entry.counts.accepted, entry.counts.clients == largest});
  }
  const auto in_process = RunInProcessBenchmarks(cases, (out_dir / "in-process.txt").string(),
                                                 options.repetitions, options.min_seconds);
  for (size_t k = 0; k < lists.size(); ++k) {
    const auto found = in_process.find(lists[k].name);
    if (found == in_process.end()) continue;  // filtered out
    if (!found->second.error.empty()) Fail(lists[k].name + ": " + found->second.error);
    rows[k].in_process_seconds = found->second.best_seconds;
    rows[k].in_process_page_faults = found->second.best_page_faults;
    for (const std::string_view phase : kConversionPhases) {
      const auto timed = in_process.find(lists[k].name + "/" + std::string(phase));
      if (timed == in_process.end()) break;
      rows[k].phase_seconds.push_back(timed->second.best_seconds);
    }
  }
  conditions.load_after = LoadAverage();

  const std::string markdown = RenderResults(rows, conditions);
  std::cout << markdown << std::flush;
  if (!options.markdown.empty()) {
    std::ofstream out(options.markdown, std::ios::binary);
    out << markdown;
    if (!out.flush()) Fail("cannot write " + options.markdown);
  }
  return 0;
}

}  // namespace
}  // namespace netbar::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  return netbar::bench::Run(netbar::bench::ParseOptions(argc, argv));
}
