// The install folders of the earlier releases (component MNXL), gathered
// from five registry sources into one list without nested repeats.
#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"

#include <windows.h>

// Empties the list, then appends in source order every folder that no
// earlier entry covers, each without one final backslash. A source that
// cannot be read records its exit code (7, 9, 8, 10, 11 in that order) and
// the next source is read.
void CollectLegacyFolders(CStringArray& folders);

// TRUE when the path's last character is a backslash; a 0x5C trail byte of
// a double-byte character is not one. FALSE for an empty or null path.
BOOL EndsWithBackslash(const char* path);

// TRUE when an entry equals the path or is a folder containing it, letters
// compared without regard to case (full-width ones included). FALSE for a
// null path.
BOOL IsFolderCovered(const CStringArray& folders, const char* path);
