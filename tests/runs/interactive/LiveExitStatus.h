// The exit status inside a running FwExclude.exe, read from its memory:
// what the process would return if it ended now. It shows when a run
// writes its code relative to its message boxes, which the exit code,
// known only after the dialog closes, cannot.
#pragma once

#include <windows.h>

// The status, or -1000 when the process's memory cannot be read.
int LiveExitStatus(DWORD processId);
