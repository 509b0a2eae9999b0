// A table of unattended runs, each on its own installation state, each
// checked for its exit code, for no window ever mapped, and for the exact
// contents of both firewall lists afterwards.
#pragma once

#include "ProductInstallation.h"

#include <windows.h>

#include <vector>

struct RunCase {
    // The command-line tail; <given>, <missing> and <file> stand for the
    // quoted paths of the given folder, of a missing folder and of a file.
    const char* args;
    std::vector<Source> registered;
    DWORD exitCode;
    // Both lists hold exactly the entries of these sources afterwards.
    std::vector<Source> processed;
    // Changes made after the registering, if any.
    void (*alter)(ProductInstallation&) = nullptr;
    // The Windows version that Wine reports to the program; null: XP.
    const char* windows = nullptr;
};

void CheckRunCases(const std::vector<RunCase>& cases);

// The args of a case with its placeholders replaced.
std::string ExpandedArgs(const char* args, const ProductInstallation& installation);
