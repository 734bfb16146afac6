// The conversion timed in-process with Google Benchmark: ConvertDroppedFile
// on a list file, reporting to a RunReport that discards every line, so what
// is timed is the core alone (read, split, extract, test, write the output
// file), without process start and without standard output.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace netbar::bench {

struct InProcessCase {
  std::string name;  // unique; the key of the result
  std::string list_path;
  int64_t expected_records = 0;
  bool with_phases = false;  // also time the run's phases, as "<name>/<phase>"
};

struct InProcessResult {
  double best_seconds = 0;      // per conversion, the best of the repetitions
  double best_page_faults = 0;  // minor page faults per conversion, likewise
  std::string error;            // empty when every conversion gave the expected count
};

// Results are keyed by benchmark name: the case's name for the whole
// conversion, "<name>/<phase>" for its phases (see conversion_phases.h).
// Runs every case `repetitions` times (each repetition as many conversions
// as Google Benchmark needs for a stable figure) with the output file at
// `output_path`. Progress goes to standard error.
[[nodiscard]] std::map<std::string, InProcessResult> RunInProcessBenchmarks(
    const std::vector<InProcessCase>& cases, const std::string& output_path, int repetitions,
    double min_seconds);

}  // namespace netbar::bench
