// The run directory: the directory that holds the program's executable,
// fixed once at start-up.
//
// It is everything before the last path separator of the executable's full
// path, searched by the GBK character rule, so that a trail byte 0x5C inside
// a two-byte character of a directory name is never taken for a backslash.
// It never ends in the separator: for C:\NetbarMac.exe it is "C:".
#pragma once

#include "text/text.h"

namespace netbar {

// '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// Everything before the last separator of `path`; empty when there is none.
[[nodiscard]] Text DirectoryOfPath(TextView path);

// `directory`, one separator and `name`.
[[nodiscard]] Text JoinPath(TextView directory, TextView name);

// The executable's full path as the system reports it, however long; empty
// when the system cannot tell. One backend per platform.
[[nodiscard]] Text GetExecutablePath();

// Fixes the run directory from the executable's path. Called once at start.
void FixRunDirectory();

// A copy of the run directory fixed at start-up.
[[nodiscard]] Text GetRunDirectory();

// The process's working directory; empty when the system cannot tell.
[[nodiscard]] Text GetWorkingDirectory();

// Makes `directory` the working directory; false on failure.
bool SetWorkingDirectory(TextView directory);

}  // namespace netbar
