#include "tests/support/MapWatch.h"

#include "tests/support/TempTree.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

namespace {

std::string ReadSmallFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read " + path);
    char text[32] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    return text;
}

}  // namespace

MapWatch::MapWatch(const std::string& script) : m_script(script), m_lastMark(0)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    m_state = std::string(temp) + "mapwatch" + std::to_string(GetCurrentProcessId()) + "_" +
              std::to_string(++counter);
    CreateDirectoryA(m_state.c_str(), nullptr);
    m_stateUnix = UnixPathOf(m_state);
    if (RunUnixShell("'" + m_script + "' start '" + m_stateUnix + "'") != 0)
        throw std::runtime_error("the map watch did not start");
    m_lastMark = std::atoi(ReadSmallFile(m_state + "\\mark").c_str());
}

MapWatch::~MapWatch()
{
    RunUnixShell("'" + m_script + "' stop '" + m_stateUnix + "'");
}

int MapWatch::Mark()
{
    if (RunUnixShell("'" + m_script + "' mark '" + m_stateUnix + "'") != 0)
        throw std::runtime_error("the map watch sees no marker");
    return std::atoi(ReadSmallFile(m_state + "\\mark").c_str());
}

int MapWatch::MapsSinceLastCall()
{
    const int mark = Mark();
    const int maps = mark - m_lastMark - 1;
    m_lastMark = mark;
    return maps;
}
