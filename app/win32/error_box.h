// The Windows half of the program's end: the error box, OLE's release and
// the process end.
#pragma once

#include "app/program_end.h"

namespace netbar {

// show_report: MessageBoxA without owner, title "错误", stop-sign icon, OK.
// Before it shows, the lines a run has gathered for the edit box go into
// it, so the box shows what was appended up to the error.
// release: OleUninitialize, when OLE was initialised. end_process:
// ExitProcess. Fatal exit code -1.
[[nodiscard]] ProgramEndPlatform WindowsProgramEnd(bool ole_initialised);

}  // namespace netbar
