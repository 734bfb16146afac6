#include "conversion/client_config_record.h"

#include "text/cut.h"
#include "text/find.h"
#include "text/split_characters.h"
#include "text/transform.h"

namespace netbar {
namespace {

// The bytes strictly between the first `open` and the first `close` tag;
// empty when either is missing or `close` comes first.
TextView Between(TextView chunk, TextView open, TextView close, bool& seen) {
  const int32_t start = FindText(chunk, open);
  const int32_t end = FindText(chunk, close);
  seen = seen || start != -1 || end != -1;
  if (start == -1 || end == -1) return {};
  const int32_t from = start + TextLength(open);
  return MidView(chunk, from, end - from);
}

bool IsMacSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '-' || c == ':';
}

// The MAC without its blanks and separators, stepping by the GBK character
// rule so that a trail byte is never taken for one.
void StripSeparators(TextView mac, Text& out) {
  out.clear();
  for (size_t p = 0; p < mac.size();) {
    const size_t step = IsLeadByte(mac[p]) && p + 1 < mac.size() ? 2 : 1;
    if (step == 2 || !IsMacSeparator(mac[p])) out.append(mac.data() + p, step);
    p += step;
  }
}

}  // namespace

bool RegroupMac(TextView mac, Text& out) {
  // The first twelve characters by the splitter's rule, walked in place: a
  // character list per client would cost more than the rest of its record.
  size_t begins[12];
  size_t lengths[12];
  size_t count = 0;
  for (size_t i = 0; i < mac.size() && count < 12; ++count) {
    begins[count] = i;
    lengths[count] = SplitterCharacterLength(mac, i);
    i += lengths[count];
  }
  out.clear();
  if (count < 12) return false;
  for (size_t k = 0; k < 12; ++k) {
    if (k > 0 && k % 2 == 0) out.push_back('-');
    out.append(mac.substr(begins[k], lengths[k]));
  }
  return true;
}

void ExtractClientConfigRecord(TextView chunk, ExtractedRecord& record,
                               ExtractionScratch& scratch) {
  record.has_marker = false;
  record.mac_too_short = false;
  const TextView raw_mac = Between(chunk, "<Mac>", "</Mac>", record.has_marker);
  StripSeparators(raw_mac, scratch.work);
  scratch.work = ToUpperCase(scratch.work);
  if (!RegroupMac(scratch.work, record.mac)) {
    record.mac_too_short = !scratch.work.empty();
  }
  record.name.assign(Between(chunk, "<Name>", "</Name>", record.has_marker));
}

}  // namespace netbar
