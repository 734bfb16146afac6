#include "conversion/emit_record.h"

#include "conversion/mac_section_record.h"
#include "text/cut.h"
#include "text/find.h"

namespace netbar {

TextView MacAsWritten(TextView mac) { return BeforeLineEndView(mac); }

TextView NameAsWritten(SourceFormat format, TextView name) {
  const int32_t boot_type = FindText(name, "BootType=");
  if (boot_type != -1) name = LeftView(name, boot_type - 3);
  name = BeforeLineEndView(name);
  if (format == SourceFormat::MacSectionIni) name = ShortenMacSectionName(name);
  return name;
}

std::optional<DropReason> TestRecord(TextView mac, TextView name, bool mac_too_short) {
  if (mac.empty()) return mac_too_short ? DropReason::kMacTooShort : DropReason::kNoMac;
  if (mac == "00-00-00-00-00-00") return DropReason::kZeroMac;
  if (name.empty()) return DropReason::kNoName;
  return std::nullopt;
}

std::optional<DropReason> EmitRecord(SourceFormat format, const ExtractedRecord& record,
                                     RunState& run, RunReport& report) {
  const TextView mac = MacAsWritten(record.mac);
  const TextView name = NameAsWritten(format, record.name);
  if (auto reason = TestRecord(mac, name, record.mac_too_short)) return reason;

  ++run.record_count;
  Text& line = run.line;
  line.assign(mac);
  line.push_back(' ');
  line.append(name);
  line.append("\r\n");
  report.AppendEditText(line);
  if (!WriteBytes(run.output_file, {line})) run.write_failed = true;
  return std::nullopt;
}

}  // namespace netbar
