// The conversion run cut into its phases, each timed on its own with Google
// Benchmark, to show where a run's time goes:
//   read    ReadWholeFile and BytesToText (the file's text up to its first NUL)
//   detect  DetectSourceFormat on that text
//   split   SplitText at the format's delimiter (the chunk list)
//   walk    every chunk through its extractor and EmitRecord, the output
//           file opened before and closed after
// The four add up to about one ConvertDroppedFile.
#pragma once

#include <string>
#include <string_view>

namespace netbar::bench {

inline constexpr std::string_view kConversionPhases[] = {"read", "detect", "split", "walk"};

// Registers the four benchmarks, named "<name>/<phase>", for one list. The
// walk writes its lines to `output_path`.
void RegisterPhaseBenchmarks(const std::string& name, const std::string& list_path,
                             const std::string& output_path, int repetitions, double min_seconds);

}  // namespace netbar::bench
