#include "bench/ChildProcess.h"

#include "bench/BenchClock.h"

#include <psapi.h>

#include <stdexcept>
#include <vector>

ChildRun RunChild(const std::string& commandLine, bool samplePeak)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    ChildRun run;
    const double start = Seconds();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    // The peak is a high-water mark: the last sample before the end is
    // close to the final value, which can no longer be read once the
    // process has gone.
    while (samplePeak) {
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) &&
            memory.PeakWorkingSetSize > run.peakWorkingSet)
            run.peakWorkingSet = memory.PeakWorkingSetSize;
        if (WaitForSingleObject(process.hProcess, 5) == WAIT_OBJECT_0) break;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    run.seconds = Seconds() - start;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
