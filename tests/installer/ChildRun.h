// Runs a Windows command line to its end, as an installer or a person would.
#pragma once

#include <windows.h>

#include <string>

// The exit code of the command line, run in `directory` (the test's own
// when empty). A process still running after the timeout is ended and
// STILL_ACTIVE returned.
DWORD RunToEnd(const std::string& commandLine, const std::string& directory = "",
               DWORD timeoutMs = 120000);
