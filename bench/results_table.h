// The benchmark's results as the Markdown that goes into the README: one row
// per list with the figures, then the three targets, each met or missed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/client_list.h"

namespace netbar::bench {

struct ListMeasurement {
  ListFormat format = ListFormat::kClientConfigXml;
  int64_t clients = 0;
  int64_t list_bytes = 0;
  double converter_seconds = 0;    // netbar-mac end to end, best of the runs
  int64_t converter_peak_kib = 0;  // the largest peak resident set of the runs
  double in_process_seconds = 0;   // 0 when not measured
  double in_process_page_faults = 0;
  double wc_seconds = 0;
  double awk_seconds = 0;
  bool awk_same_lines = false;
  // In-process bests of the run's phases, in the order of
  // kConversionPhases; empty when they were not timed.
  std::vector<double> phase_seconds;
};

struct RunConditions {
  int runs = 0;
  int in_process_repetitions = 0;
  std::string machine;      // CPU model and core count
  std::string load_before;  // /proc/loadavg when the run began
  std::string load_after;
  std::string awk;  // which awk `awk` is
};

[[nodiscard]] std::string RenderResults(const std::vector<ListMeasurement>& rows,
                                        const RunConditions& conditions);

}  // namespace netbar::bench
