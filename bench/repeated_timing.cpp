#include "bench/repeated_timing.h"

#include <algorithm>

namespace netbar::bench {

double Best(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

void ConfigureRepeatedTiming(benchmark::internal::Benchmark* b, int repetitions,
                             double min_seconds) {
  b->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(min_seconds)
      ->Repetitions(repetitions)
      ->ComputeStatistics(kBestOfRuns, Best)
      ->ReportAggregatesOnly(true);
}

}  // namespace netbar::bench
