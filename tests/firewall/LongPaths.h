// Paths of an exact length for the tests of the 259-byte bound.
#pragma once

#include "tests/support/TempTree.h"

#include <doctest.h>

#include <string>

// A path of exactly `length` bytes below `folder`, ending in `tail`.
inline std::string PathOfLength(const std::string& folder, size_t length, const std::string& tail = "")
{
    const size_t fill = length - folder.size() - 1 - tail.size();
    return folder + "\\" + std::string(fill, 'n') + tail;
}

// Makes a file ("touch") or a folder ("mkdir") from the Unix side: Win32
// "A" calls cannot name paths this long.
inline void UnixMake(const std::string& command, const std::string& windowsPath)
{
    const std::string parent = windowsPath.substr(0, windowsPath.rfind('\\'));
    const std::string leaf = windowsPath.substr(windowsPath.rfind('\\') + 1);
    REQUIRE(RunUnixShell(command + " '" + UnixPathOf(parent) + "/" + leaf + "'") == 0);
}
