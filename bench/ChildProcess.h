// Runs another program to its end and measures it from the outside.
#pragma once

#include <windows.h>

#include <string>

struct ChildRun {
    double seconds = 0;        // from CreateProcess to the end of the process
    DWORD exitCode = 0;
    size_t peakWorkingSet = 0;  // highest peak seen while it ran (bytes)
};

// Starts the command line and waits for its end; with samplePeak, reads
// the child's peak working set every few milliseconds meanwhile (which
// slows the child: a run that is timed samples nothing). Throws when the
// program cannot be started.
ChildRun RunChild(const std::string& commandLine, bool samplePeak = false);
