// A Windows program started by a test, with its windows watched from here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RunningProgram {
public:
    // Starts exe with the command-line tail args (as a Windows command line).
    RunningProgram(const std::string& exe, const std::string& args);
    ~RunningProgram();  // ends the program if it still runs
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The program's first visible top-level window, or null after the timeout.
    HWND WaitForVisibleWindow(DWORD timeoutMs) const;
    // The exit code, or STILL_ACTIVE when it has not ended within the timeout.
    DWORD WaitForExit(DWORD timeoutMs) const;
    // Every top-level window of the program, visible or not.
    std::vector<HWND> TopLevelWindows() const;
    DWORD ProcessId() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process;
};

// Visible top-level windows of every process on the desktop.
std::vector<HWND> VisibleTopLevelWindows();

// Presses and releases a key through the system's input, as a keyboard would:
// it reaches the foreground window's focused control.
void PressKey(WORD virtualKey);
