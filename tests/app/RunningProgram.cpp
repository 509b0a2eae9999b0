#include "RunningProgram.h"

#include <stdexcept>

namespace {

struct WindowSearch {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId && owner != search->processId) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> FindWindows(DWORD processId, bool visibleOnly)
{
    WindowSearch search = {processId, visibleOnly, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& exe, const std::string& args) : m_process()
{
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_process))
        throw std::runtime_error("cannot start " + exe);
    WaitForInputIdle(m_process.hProcess, 5000);
}

RunningProgram::~RunningProgram()
{
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND RunningProgram::WaitForVisibleWindow(DWORD timeoutMs) const
{
    for (DWORD waited = 0;; waited += 20) {
        const std::vector<HWND> windows = FindWindows(m_process.dwProcessId, true);
        if (!windows.empty()) return windows.front();
        if (waited >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) const
{
    WaitForSingleObject(m_process.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::vector<HWND> RunningProgram::TopLevelWindows() const
{
    return FindWindows(m_process.dwProcessId, false);
}

std::vector<HWND> VisibleTopLevelWindows()
{
    return FindWindows(0, true);
}

void PressKey(WORD virtualKey)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}
