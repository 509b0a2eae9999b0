// A small installation of the product family in the test prefix: folders
// of executables for every source of install folders, and the registry
// values that name them, set source by source. Reset() (also at the start
// and at the end) empties the family's registry keys and both firewall
// lists, and lets Wine report Windows XP again.
#pragma once

#include "tests/support/FirewallListsFixture.h"
#include "tests/support/TempTree.h"

#include <map>
#include <string>
#include <vector>

enum Source {
    kMain,         // component MNX
    kWbq,          // component WBQ
    kDkq,          // component DKQ
    kLegacyList,   // the enumerated key of the legacy folders: two folders
    kTerminalSet,  // the single-value legacy sources, in the order read
    kBasicSet,
    kZpb,
    kZpa,
    kGiven,        // named by no registry value: for the folder parameter
};

class ProductInstallation {
public:
    ProductInstallation();
    ~ProductInstallation();
    ProductInstallation(const ProductInstallation&) = delete;
    ProductInstallation& operator=(const ProductInstallation&) = delete;

    // The registry as before any installation; the folders stay.
    void Reset();

    // Has Wine report another Windows version ("win7", "win2k"...) to
    // FwExclude.exe alone, until the next Reset.
    void ReportWindows(const std::string& version);

    // Makes one firewall list (kStandardList, kDomainList) refuse every
    // write, until the next Reset.
    void RefuseWrites(const char* list);

    // Writes the registry values that name the sources' folders.
    void Register(const std::vector<Source>& sources);
    // Writes a single-value source's registry value with any text.
    void Name(Source source, const std::string& text);
    // Adds a value of any name and text to the enumerated legacy key.
    void AddToLegacyList(const std::string& valueName, const std::string& text);

    // The folder of a single-folder source, without a trailing backslash.
    std::string Folder(Source source) const;
    std::string Missing() const { return m_tree.Path("Missing"); }
    std::string AFile() const { return m_tree.Path("Orvo\\readme.txt"); }

    // The authorization entries of every executable of the sources, sorted.
    std::vector<RegValue> EntriesOf(const std::vector<Source>& sources) const;

private:
    TempTree m_tree;
    std::map<Source, std::vector<std::string>> m_folders;
    std::map<Source, std::vector<std::string>> m_executables;
};

// Every legacy source, in the order read.
extern const std::vector<Source> kAllLegacy;
// Every source that the registry can name.
extern const std::vector<Source> kAllRegistered;

// The registry key, below HKEY_LOCAL_MACHINE, of the enumerated legacy source.
extern const char* const kLegacyListKey;
