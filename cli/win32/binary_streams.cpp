#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "cli/binary_streams.h"

namespace netbar {

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace netbar
