// The 顺网 XML client list: every client an element opened by exactly
// "<ClientConfig>", its MAC between "<Mac>" and "</Mac>" (twelve hex digits),
// its name between "<Name>" and "</Name>". Not parsed as XML: the tags are
// found by plain search, entities stay as they are, and only the first of
// each tag in a chunk counts.
//
// The MAC loses its blanks, tabs, CR, LF, '-' and ':', is upper-cased, and
// its first twelve characters are regrouped into six pairs joined by '-':
//   "001a2b3c4d5e"       -> "00-1A-2B-3C-4D-5E"
//   "00-1a-2b-3c-4d-5e"  -> "00-1A-2B-3C-4D-5E"
//   "001A2B3C4D6012"     -> "00-1A-2B-3C-4D-60"   (characters 13 on dropped)
//   "001A2B"             -> ""                    (too short: the record drops)
// A field whose start tag or end tag is missing, or whose end tag comes
// first, is empty.
#pragma once

#include "conversion/extracted_record.h"

namespace netbar {

void ExtractClientConfigRecord(TextView chunk, ExtractedRecord& record, ExtractionScratch& scratch);

// Regroups an upper-cased MAC of at least twelve characters (by the
// splitter's rule, text/split_characters.h) into `out`; false, with `out`
// emptied, when it has fewer.
bool RegroupMac(TextView mac, Text& out);

}  // namespace netbar
