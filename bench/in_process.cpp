#include "bench/in_process.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <iostream>

#include "bench/conversion_phases.h"
#include "bench/discarding_report.h"
#include "bench/repeated_timing.h"
#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"

namespace netbar::bench {
namespace {

class CollectingReporter final : public benchmark::ConsoleReporter {
 public:
  explicit CollectingReporter(std::map<std::string, InProcessResult>& results)
      : ConsoleReporter(OO_Tabular), results_(results) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      InProcessResult& result = results_[run.run_name.function_name];
      if (run.error_occurred) {
        result.error = run.error_message;
        continue;
      }
      // A single repetition has no aggregates; its one run is the best.
      const bool best = run.run_type == Run::RT_Aggregate ? run.aggregate_name == kBestOfRuns
                                                          : run.repetitions <= 1;
      if (best) {
        result.best_seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto faults = run.counters.find("page_faults");
        if (faults != run.counters.end()) result.best_page_faults = faults->second.value;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  std::map<std::string, InProcessResult>& results_;
};

int64_t MinorFaultsSoFar() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

void ConvertList(benchmark::State& state, const InProcessCase& c) {
  DiscardingReport report;
  const int64_t faults_before = MinorFaultsSoFar();
  for (auto _ : state) {
    const RunOutcome outcome = ConvertDroppedFile(c.list_path, report);
    if (outcome.record_count != c.expected_records || outcome.output_failed) {
      state.SkipWithError("the conversion did not write the expected records");
      break;
    }
  }
  // Fresh pages cost a fault each; this shows how many a conversion takes.
  state.counters["page_faults"] = benchmark::Counter(
      static_cast<double>(MinorFaultsSoFar() - faults_before), benchmark::Counter::kAvgIterations);
}

}  // namespace

std::map<std::string, InProcessResult> RunInProcessBenchmarks(
    const std::vector<InProcessCase>& cases, const std::string& output_path, int repetitions,
    double min_seconds) {
  Globals().output_path = output_path;
  for (const InProcessCase& c : cases) {
    ConfigureRepeatedTiming(benchmark::RegisterBenchmark(c.name.c_str(), ConvertList, c),
                            repetitions, min_seconds);
    if (c.with_phases) {
      RegisterPhaseBenchmarks(c.name, c.list_path, output_path, repetitions, min_seconds);
    }
  }
  std::map<std::string, InProcessResult> results;
  CollectingReporter reporter(results);
  reporter.SetOutputStream(&std::cerr);
  reporter.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::ClearRegisteredBenchmarks();
  return results;
}

}  // namespace netbar::bench
