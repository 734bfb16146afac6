// How a conversion run reports: the only two ways it reaches the user.
// The window provides them on its edit box and label; the console converter
// on standard output and standard error.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

enum class DropReason { kNoMac, kMacTooShort, kZeroMac, kNoName };

class RunReport {
 public:
  // One accepted line, CR LF included, before it is written to the file.
  virtual void AppendEditText(TextView line) = 0;
  // The run's summary, once, at its end.
  virtual void SetCaption(TextView caption) = 0;
  // A chunk that holds a marker of its format but was dropped. Only the
  // console converter's --explain listens.
  virtual void ExplainDroppedChunk(int32_t /*chunk_number*/, DropReason /*reason*/) {}

 protected:
  ~RunReport() = default;
};

}  // namespace netbar
