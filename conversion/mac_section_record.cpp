#include "conversion/mac_section_record.h"

#include "text/cut.h"
#include "text/find.h"

namespace netbar {

void ExtractMacSectionRecord(TextView chunk, ExtractedRecord& record) {
  record.mac_too_short = false;
  const int32_t close = FindText(chunk, "]");
  record.mac.assign(LeftView(chunk, close - 1));

  const int32_t name = FindText(chunk, "Name=");
  const int32_t area = FindText(chunk, "Area=");
  record.has_marker = close != -1 || name != -1 || area != -1;
  if (name == -1 || area == -1) {
    record.name.clear();
    return;
  }
  record.name.assign(MidView(chunk, name + 5, area - name - 5));
}

TextView ShortenMacSectionName(TextView name) {
  if (FindText(name, "_") == -1 || FindText(name, "-") == -1) return name;
  const int32_t last = FindTextReverse(name, "_");
  return RightView(name, TextLength(name) - last);
}

}  // namespace netbar
