// The console converter's report: standard output plays the edit box,
// standard error the label.
#pragma once

#include <cstdio>

#include "conversion/run_report.h"

namespace netbar {

class ConsoleReport final : public RunReport {
 public:
  ConsoleReport(std::FILE* lines, std::FILE* messages, bool explain)
      : lines_(lines), messages_(messages), explain_(explain) {}

  void AppendEditText(TextView line) override;
  void SetCaption(TextView caption) override;
  void ExplainDroppedChunk(int32_t chunk_number, DropReason reason) override;

 private:
  std::FILE* lines_;
  std::FILE* messages_;
  bool explain_;
};

[[nodiscard]] TextView DropReasonText(DropReason reason);

}  // namespace netbar
