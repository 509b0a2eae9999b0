// Registers every executable beneath a folder with the firewall.
#pragma once

#include "framework/CString.h"

#include <windows.h>

// Creates the key if needed and stores one REG_SZ value, NUL included.
BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const char* data);

// Writes "path:*:Enabled:TAVIRON_name" for every file ending in ".exe" (any
// case) into the standard-profile and then the domain-profile list. Returns
// the number of executables. A walk that fails writes nothing, records
// EXIT_SCAN_FAILED and returns 0; a refused write records
// EXIT_FIREWALL_WRITE_FAILED and the file is still counted.
int ExcludeFolder(CString folder);
