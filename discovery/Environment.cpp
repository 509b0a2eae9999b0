#include "discovery/Environment.h"

#include <direct.h>

#include <cstring>

namespace {

BOOL HasDriveLetter(const char* path)
{
    return path[0] != '\0' && path[1] == ':';
}

// The number of the drive a letter names (1 for A, small letters as
// capitals); outside 1 to 26 for a byte that is no letter.
int DriveNumberOf(char letter)
{
    int code = static_cast<unsigned char>(letter);
    if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
    return code - 'A' + 1;
}

}  // namespace

BOOL IsWindowsXPVersion(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
           version.dwMinorVersion == 1;
}

BOOL IsWindowsXPOnRecord(OSVERSIONINFOA& record, VersionQuery query)
{
    if (record.dwOSVersionInfoSize == 0) {
        record.dwOSVersionInfoSize = sizeof record;
        query(&record);
    }
    return IsWindowsXPVersion(record);
}

BOOL IsWindowsXP()
{
    static OSVERSIONINFOA record;
    return IsWindowsXPOnRecord(record, GetVersionExA);
}

BOOL FolderExists(const char* path)
{
    if (!path || std::strlen(path) >= MAX_PATH) return FALSE;

    // Wine keeps one current directory for all drives, so going back to a
    // drive alone would land in its root: the whole directory is restored.
    const int startDrive = _getdrive();
    char startDirectory[MAX_PATH];
    if (!_getcwd(startDirectory, sizeof startDirectory)) return FALSE;

    // Where the path's drive stood, kept for Windows, where each drive has
    // a current directory of its own.
    char driveDirectory[MAX_PATH];
    std::strcpy(driveDirectory, startDirectory);
    if (HasDriveLetter(path)) {
        const int drive = DriveNumberOf(path[0]);
        if (drive < 1 || drive > 26) return FALSE;
        if (_chdrive(drive) != 0) {
            _chdrive(startDrive);
            _chdir(startDirectory);
            return FALSE;
        }
        if (!_getcwd(driveDirectory, sizeof driveDirectory)) driveDirectory[0] = '\0';
    }

    const BOOL entered = _chdir(path) == 0;

    if (driveDirectory[0] != '\0') _chdir(driveDirectory);
    _chdrive(startDrive);
    _chdir(startDirectory);
    return entered;
}
