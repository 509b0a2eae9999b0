// Checks on the machine the program runs on.
#pragma once

#include <windows.h>

// TRUE for Windows XP: platform NT, version 5.1, any build or service pack.
BOOL IsWindowsXP();

// The decision alone, on a filled version record.
BOOL IsWindowsXPVersion(const OSVERSIONINFOA& version);

// IsWindowsXP on a record of the caller's: the query runs only while the
// record's size member is 0, and its own result is not looked at (a failed
// query leaves the version zero, so the answer stays FALSE).
typedef BOOL(WINAPI* VersionQuery)(LPOSVERSIONINFOA);
BOOL IsWindowsXPOnRecord(OSVERSIONINFOA& record, VersionQuery query);

// TRUE when the process can make the path its current directory. The
// current drive and directory are the same afterwards as before. Paths of
// MAX_PATH bytes or more are FALSE without being tried.
BOOL FolderExists(const char* path);
