// The process-wide table of open files, and the FileNumber that names an
// entry in it.
//
// OpenFile returns 0 on any failure; 0 never names an open file. Numbers are
// unique among open files and may be handed out again after a close.
//
// Writes are gathered in a buffer of the entry and reach the system in large
// pieces, so a run of a million lines costs a few hundred system calls, not a
// million. CloseFile and CloseAllFiles hand the rest to the system, so after
// a fatal report in the middle of a run the file holds every line that was
// written before it. Once the system has refused a write, the entry stays
// failed: every later WriteBytes returns false and writes nothing, and
// CloseFile answers false.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text/text.h"

namespace netbar {

using FileNumber = int32_t;

inline constexpr int32_t kModeRewrite = 4;

// mode 4 opens for writing, creating the file or cutting it to length 0,
// shared for reading and writing with others. Modes 1 to 6 and share modes
// 1 to 4 are accepted; the system only ever asks for mode 4.
[[nodiscard]] FileNumber OpenFile(TextView path, int32_t mode = 3, int32_t share_mode = 1);

// Appends the values in order; true when every byte was accepted and no
// earlier write of this file failed. False for a number that names no open
// file, 0 included.
bool WriteBytes(FileNumber file, std::initializer_list<TextView> data);
bool WriteBytes(FileNumber file, const Bytes& data);

// Closes the file. True when every byte written reached the system and the
// close succeeded; false for a failure and for a number that names no open
// file. The entry is removed in every case.
bool CloseFile(FileNumber file);

// Closes every open file in the order they were opened.
void CloseAllFiles();

// The number of open files; for tests.
[[nodiscard]] int32_t OpenFileCount();

}  // namespace netbar
