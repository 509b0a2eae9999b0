// Empties both firewall lists before a test and again after it.
#pragma once

#include "tests/support/RegistryHelpers.h"

#include <string>
#include <vector>

extern const char* const kStandardList;
extern const char* const kDomainList;

struct FirewallListsFixture {
    FirewallListsFixture();
    ~FirewallListsFixture();

    static std::vector<RegValue> Standard();
    static std::vector<RegValue> Domain();
};

// The authorization entry for a path: name = path, REG_SZ
// "path:*:Enabled:TAVIRON_<file name>" with its NUL.
RegValue AuthorizationEntry(const std::string& path);

// Sorted by name, as the registry keeps values.
std::vector<RegValue> SortedByName(std::vector<RegValue> values);
