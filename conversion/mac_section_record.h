// The 云更新 section list: every section named by a client's MAC, exactly as
// the output shows it, the machine name under "Name=".
//
// The MAC is the section name up to the first "]". The name is every byte
// between the first "Name=" and the first "Area=" of the chunk (the value,
// its line end and the BootType line, which EmitRecord cuts off). A chunk
// without "Name=", or whose "Area=" is missing or comes first, has an empty
// name.
#pragma once

#include "conversion/extracted_record.h"

namespace netbar {

void ExtractMacSectionRecord(TextView chunk, ExtractedRecord& record);

// The name rule of this format: a name that holds both '_' and '-' becomes
// its bytes after the last '_'.
//   "HALL_A-PC002" -> "A-PC002"     "A_B_C-1" -> "C-1"    "A-B_" -> ""
//   "HALL_PC002"   -> unchanged     "PC-002"  -> unchanged
[[nodiscard]] TextView ShortenMacSectionName(TextView name);

}  // namespace netbar
