// Steps that both runs share.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"

// Looks up one component's install folder into the caller's string.
typedef BOOL (*FolderLookup)(CString& folder);

// Excludes every folder of the list in order, skipping an empty entry;
// returns the executables counted.
int ExcludeFolders(const CStringArray& folders);

// Excludes the folder unless it is empty; returns the executables counted.
int ExcludeUnlessEmpty(const CString& folder);
