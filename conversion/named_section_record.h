// The 网众 section list: every section named by its machine, "[PC001]", the
// MAC under "MAC=" written with colons.
//
// The name is the section name up to the first "]". The MAC is the 17 bytes
// after the first "MAC=", ending before a CR or LF, with every ':' turned
// into '-'; letters keep their case:
//   "PC001]\r\nMAC=00:1a:2b:3c:4d:5e\r\n" -> "00-1a-2b-3c-4d-5e", "PC001"
//   "PC005]\r\nMAC=001A2B3C4D61\r\n"      -> "001A2B3C4D61", "PC005"
// A chunk without "MAC=" has an empty MAC; without "]" an empty name.
#pragma once

#include "conversion/extracted_record.h"

namespace netbar {

void ExtractNamedSectionRecord(TextView chunk, ExtractedRecord& record);

}  // namespace netbar
