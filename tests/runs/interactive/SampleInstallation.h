// Machines for the runs: the product family's install folders in the
// registry, pointing at real folders, and the Windows version that Wine
// reports to FwExclude.exe.
#pragma once

#include "tests/support/FirewallListsFixture.h"
#include "tests/support/TempTree.h"

#include <string>
#include <vector>

// No install folder in the registry, no entry in the firewall lists:
// before the test and again after it.
class EmptyMachine : public FirewallListsFixture {
public:
    EmptyMachine();
    ~EmptyMachine();

    // What one click with an empty path field counts: an executable that
    // several sources' walks reach is counted once for each.
    int ExecutablesCounted() const { return m_counted; }
    // The entry of each executable the click writes, sorted by name.
    const std::vector<RegValue>& Entries() const { return m_entries; }

protected:
    int m_counted = 0;
    std::vector<RegValue> m_entries;
};

// The install-folder sources of the product family, each naming a folder
// of a real tree with executables, other files and a dot folder: the
// legacy folders ("legacy Old", "legacy Main" which is MNX's folder again,
// "legacy Empty" an empty value), "terminal set", "basic set", "ZPB",
// "ZPA", "MNX", "WBQ" (inside MNX's folder) and "DKQ".
class SampleInstallation : public EmptyMachine {
public:
    // Sets the named sources only; every source when none is named.
    explicit SampleInstallation(const std::vector<std::string>& only = {});

private:
    TempTree m_tree;
};

// Wine reports this version ("win7", "win2k"...) to FwExclude.exe alone,
// until the destructor restores the prefix's own.
class WindowsVersionOverride {
public:
    explicit WindowsVersionOverride(const std::string& version);
    ~WindowsVersionOverride();
    WindowsVersionOverride(const WindowsVersionOverride&) = delete;
    WindowsVersionOverride& operator=(const WindowsVersionOverride&) = delete;
};
