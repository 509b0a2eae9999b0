// The two limits of the folder exclusion, done as plainly as the system
// allows: a search walk of the tree, and the registry writes alone.
#pragma once

#include "bench/BenchTree.h"

#include <string>

// Every entry below the folder, by FindFirstFileA/FindNextFileA; returns
// how many there were.
int BareWalk(const std::string& folder);

// RegCreateKeyExA/RegSetValueExA/RegCloseKey for each executable of the
// tree, into the standard-profile and then the domain-profile list.
void BareWrites(const BenchTree& tree);

// Deletes both firewall lists.
void ClearLists();

// Values in the standard-profile and in the domain-profile list.
int ValuesInList(const char* list);
