// A RunReport that keeps what a run reported, as the window would show it.
#pragma once

#include <utility>
#include <vector>

#include "conversion/run_report.h"

namespace netbar::testing {

class RecordingReport final : public RunReport {
 public:
  void AppendEditText(TextView line) override {
    edit_text.append(line);
    ++lines;
  }
  void SetCaption(TextView text) override {
    caption = Text(text);
    ++captions;
  }
  void ExplainDroppedChunk(int32_t chunk, DropReason reason) override {
    dropped.emplace_back(chunk, reason);
  }

  Text edit_text;
  int lines = 0;
  Text caption;
  int captions = 0;
  std::vector<std::pair<int32_t, DropReason>> dropped;
};

}  // namespace netbar::testing
