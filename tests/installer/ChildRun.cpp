#include "ChildRun.h"

#include <stdexcept>
#include <vector>

DWORD RunToEnd(const std::string& commandLine, const std::string& directory, DWORD timeoutMs)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, STILL_ACTIVE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}
