// Puts standard output and standard error into binary mode, so that the
// lines reach them byte for byte (no CR is added before an LF on Windows).
#pragma once

namespace netbar {

void UseBinaryStandardStreams();

}  // namespace netbar
