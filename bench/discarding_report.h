// A RunReport that drops every line and the caption, so that a timed run
// costs what the core costs and nothing of a window or a terminal.
#pragma once

#include "conversion/run_report.h"

namespace netbar::bench {

class DiscardingReport final : public RunReport {
 public:
  void AppendEditText(TextView) override {}
  void SetCaption(TextView) override {}
};

}  // namespace netbar::bench
