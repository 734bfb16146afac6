// How every figure of the benchmark is taken from repeated runs: the best
// (the least) of N. On a machine shared with other work, interference only
// ever adds time, so the best run is the closest to what the code costs.
#pragma once

#include <benchmark/benchmark.h>

#include <vector>

namespace netbar::bench {

inline constexpr const char* kBestOfRuns = "best";

// The least of the values; 0 for none.
[[nodiscard]] double Best(const std::vector<double>& values);

// Google Benchmark settings shared by every in-process case: wall time in
// milliseconds, `repetitions` repetitions of at least `min_seconds` each, and
// only the aggregates reported, the best among them.
void ConfigureRepeatedTiming(benchmark::internal::Benchmark* b, int repetitions,
                             double min_seconds);

}  // namespace netbar::bench
