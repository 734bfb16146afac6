#include "conversion/named_section_record.h"

#include "text/cut.h"
#include "text/find.h"
#include "text/transform.h"

namespace netbar {

void ExtractNamedSectionRecord(TextView chunk, ExtractedRecord& record) {
  record.mac_too_short = false;
  const int32_t close = FindText(chunk, "]");
  record.name.assign(LeftView(chunk, close - 1));

  const int32_t key = FindText(chunk, "MAC=");
  record.has_marker = close != -1 || key != -1;
  if (key == -1) {
    record.mac.clear();
    return;
  }
  // A value shorter than 17 bytes ends at its line end; the next line is
  // not part of the MAC.
  const TextView value = BeforeLineEndView(MidView(chunk, key + 4, 17));
  record.mac = ReplaceSubtext(value, ":", "-");
}

}  // namespace netbar
