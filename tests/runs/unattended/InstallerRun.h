// FwExclude.exe started as an installer starts it: a command line, then a
// wait for the process to end. Every run is watched on the test display.
#pragma once

#include "tests/support/MapWatch.h"

#include <doctest.h>

#include <windows.h>

#include <string>

struct Outcome {
    DWORD exitCode;
    int windowsMapped;

    bool operator==(const Outcome& other) const
    {
        return exitCode == other.exitCode && windowsMapped == other.windowsMapped;
    }
};

// What a run should end with: the exit code, and no window, ever.
inline Outcome Unseen(DWORD exitCode)
{
    return {exitCode, 0};
}

class Installer {
public:
    Installer();

    // Starts the program with the command-line tail and waits for it. A
    // program that does not end fails the test case at once (so call this
    // outside an assertion, which would catch the failure).
    Outcome Run(const std::string& args);

    MapWatch& Watch() { return m_watch; }

private:
    MapWatch m_watch;
};

// A command-line argument in double quotes (the text must not end in a
// backslash, which would escape the closing quote).
std::string Quoted(const std::string& text);

namespace doctest {
template <>
struct StringMaker<Outcome> {
    static String convert(const Outcome& outcome);
};
}  // namespace doctest
