#include "bench/conversion_phases.h"

#include <benchmark/benchmark.h>

#include "bench/discarding_report.h"
#include "bench/repeated_timing.h"
#include "conversion/client_config_record.h"
#include "conversion/emit_record.h"
#include "conversion/mac_section_record.h"
#include "conversion/named_section_record.h"
#include "conversion/source_format.h"
#include "files/read_whole_file.h"
#include "text/bytes_ops.h"
#include "text/split.h"

namespace netbar::bench {
namespace {

Text ReadList(const std::string& path) { return BytesToText(ReadWholeFile(path)); }

void Read(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    Text text = ReadList(path);
    benchmark::DoNotOptimize(text.data());
  }
}

void Detect(benchmark::State& state, const std::string& path) {
  const Text text = ReadList(path);
  for (auto _ : state) benchmark::DoNotOptimize(DetectSourceFormat(text));
}

void Split(benchmark::State& state, const std::string& path) {
  const Text text = ReadList(path);
  const TextView delimiter = ChunkDelimiterOf(DetectSourceFormat(text));
  for (auto _ : state) {
    TextArray chunks = SplitText(text, delimiter);
    benchmark::DoNotOptimize(chunks.Size());
  }
}

void Walk(benchmark::State& state, const std::string& path, const std::string& output_path) {
  const SourceFormat format = DetectSourceFormat(ReadList(path));
  const TextArray chunks = SplitText(ReadList(path), ChunkDelimiterOf(format));
  DiscardingReport report;
  for (auto _ : state) {
    RunState run;
    run.output_file = OpenFile(output_path, kModeRewrite);
    ExtractedRecord record;
    ExtractionScratch scratch;
    for (int32_t k = 1; k <= chunks.Size(); ++k) {
      const TextView chunk = chunks.At(k);
      switch (format) {
        case SourceFormat::ClientConfigXml:
          ExtractClientConfigRecord(chunk, record, scratch);
          break;
        case SourceFormat::NamedSectionIni:
          ExtractNamedSectionRecord(chunk, record);
          break;
        case SourceFormat::MacSectionIni:
          ExtractMacSectionRecord(chunk, record);
          break;
      }
      benchmark::DoNotOptimize(EmitRecord(format, record, run, report));
    }
    if (!CloseFile(run.output_file) || run.record_count == 0) {
      state.SkipWithError("the walk wrote no record");
      break;
    }
  }
}

}  // namespace

void RegisterPhaseBenchmarks(const std::string& name, const std::string& list_path,
                             const std::string& output_path, int repetitions, double min_seconds) {
  const auto configure = [repetitions, min_seconds](benchmark::internal::Benchmark* b) {
    ConfigureRepeatedTiming(b, repetitions, min_seconds);
  };
  configure(benchmark::RegisterBenchmark((name + "/read").c_str(), Read, list_path));
  configure(benchmark::RegisterBenchmark((name + "/detect").c_str(), Detect, list_path));
  configure(benchmark::RegisterBenchmark((name + "/split").c_str(), Split, list_path));
  configure(benchmark::RegisterBenchmark((name + "/walk").c_str(), Walk, list_path, output_path));
}

}  // namespace netbar::bench
