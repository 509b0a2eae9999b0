// Recursive collection of every file and subfolder beneath one folder.
#pragma once

#include "framework/CString.h"

#include <windows.h>

#include <list>

// Full paths in walk order: files as folder\name, subfolders as folder\name\ .
using PathList = std::list<CString>;

// Appends "\" unless the path already ends with a real backslash (a 0x5C
// trail byte of a double-byte character does not count). The caller's
// buffer must have room for one more byte.
void AppendBackslash(char* path);

// Walks the folder depth-first and appends each file, and each subfolder
// after its contents; folders whose names begin with "." are skipped.
// FALSE when the folder or any subfolder cannot be searched, or when a path
// would not fit in MAX_PATH - 1 bytes; entries appended so far then stay.
BOOL CollectFiles(const char* folder, PathList* paths);
