#include "conversion/convert_dropped_file.h"

#include "conversion/client_config_record.h"
#include "conversion/emit_record.h"
#include "conversion/mac_section_record.h"
#include "conversion/named_section_record.h"
#include "conversion/program_globals.h"
#include "files/read_whole_file.h"
#include "text/bytes_ops.h"
#include "text/compose.h"
#include "text/list_encoding.h"
#include "text/split.h"

namespace netbar {
namespace {

void Extract(SourceFormat format, TextView chunk, ExtractedRecord& record,
             ExtractionScratch& scratch) {
  switch (format) {
    case SourceFormat::ClientConfigXml:
      ExtractClientConfigRecord(chunk, record, scratch);
      return;
    case SourceFormat::NamedSectionIni:
      ExtractNamedSectionRecord(chunk, record);
      return;
    case SourceFormat::MacSectionIni:
      ExtractMacSectionRecord(chunk, record);
      return;
  }
}

}  // namespace

Text ComposeSummary(const RunOutcome& outcome, TextView label, TextView output_path) {
  if (outcome.output_failed) {
    return ConcatText({IntToText(outcome.record_count), "条", label, "记录写出失败，无法保存到\r\n",
                       output_path});
  }
  if (outcome.record_count < 1) return Text("无记录写出");
  return ConcatText(
      {IntToText(outcome.record_count), "条", label, "记录写出成功已保存到\r\n", output_path});
}

RunOutcome ConvertText(Text text, RunReport& report) {
  ProgramGlobals& globals = Globals();
  RunState run;
  run.output_file = OpenFile(globals.output_path, kModeRewrite);
  globals.output_file = run.output_file;

  RunOutcome outcome;
  outcome.format = DetectSourceFormat(text);
  // The chunks keep the text's own bytes; the text is not needed after this.
  TextArray chunks = SplitText(std::move(text), ChunkDelimiterOf(outcome.format));
  globals.format_label = Text(FormatLabelOf(outcome.format));

  ExtractedRecord record;
  ExtractionScratch scratch;
  const int32_t count = chunks.Size();
  for (int32_t k = 1; k <= count; ++k) {
    Extract(outcome.format, chunks.At(k), record, scratch);
    const auto dropped = EmitRecord(outcome.format, record, run, report);
    if (dropped && record.has_marker) report.ExplainDroppedChunk(k, *dropped);
  }

  const bool opened = run.output_file != 0;
  const bool closed = CloseFile(run.output_file);
  outcome.record_count = run.record_count;
  outcome.output_failed = !opened || !closed || run.write_failed;
  report.SetCaption(ComposeSummary(outcome, globals.format_label, globals.output_path));
  return outcome;
}

RunOutcome ConvertDroppedFile(TextView path, RunReport& report) {
  return ConvertText(BytesToText(ConvertListToAnsi(ReadWholeFile(path))), report);
}

}  // namespace netbar
