// ReadWholeFile: every byte of an existing file, without conversion.
//
// Empty Bytes on any failure, silently: an empty path, a missing file, a
// directory or other non-regular file, no permission, a file that another
// process holds open for writing (Windows), an empty file, a file of 2 GiB or
// more (lengths are signed 32-bit), no memory for the content, a read error.
// A read that delivers fewer bytes than the length gives only those bytes.
#pragma once

#include "text/text.h"

namespace netbar {

[[nodiscard]] Bytes ReadWholeFile(TextView path);

}  // namespace netbar
