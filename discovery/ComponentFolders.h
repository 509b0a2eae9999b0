// Install folders of the components that have exactly one.
#pragma once

#include "framework/CString.h"

#include <windows.h>

// Each sets folder to the component's install folder as stored (a trailing
// backslash stays) and returns TRUE; when the folder cannot be read it
// records the component's exit code, leaves folder untouched and returns
// FALSE.
BOOL GetMainFolder(CString& folder);  // MNX, code 2
BOOL GetWbqFolder(CString& folder);   // WBQ, code 3
BOOL GetDkqFolder(CString& folder);   // DKQ, code 4

// TLQ has no folder of its own: TRUE, folder untouched, nothing read.
BOOL GetTlqFolder(CString& folder);
