#include "cli/console_report.h"

namespace netbar {

TextView DropReasonText(DropReason reason) {
  switch (reason) {
    case DropReason::kNoMac:
      return "没有 MAC";
    case DropReason::kMacTooShort:
      return "MAC 太短（不足 12 位）";
    case DropReason::kZeroMac:
      return "MAC 为 00-00-00-00-00-00";
    case DropReason::kNoName:
      return "没有机器名";
  }
  return {};
}

void ConsoleReport::AppendEditText(TextView line) {
  std::fwrite(line.data(), 1, line.size(), lines_);
}

void ConsoleReport::SetCaption(TextView caption) {
  std::fflush(lines_);
  std::fwrite(caption.data(), 1, caption.size(), messages_);
  std::fputc('\n', messages_);
  std::fflush(messages_);
}

void ConsoleReport::ExplainDroppedChunk(int32_t chunk_number, DropReason reason) {
  if (!explain_) return;
  const TextView why = DropReasonText(reason);
  std::fprintf(messages_, "第 %ld 块已丢弃：%.*s\n", static_cast<long>(chunk_number),
               static_cast<int>(why.size()), why.data());
}

}  // namespace netbar
