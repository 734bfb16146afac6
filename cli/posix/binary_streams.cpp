#include "cli/binary_streams.h"

namespace netbar {

// POSIX streams are binary already.
void UseBinaryStandardStreams() {}

}  // namespace netbar
