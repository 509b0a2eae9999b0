#include "discovery/LegacyFolders.h"

#include "app/ExitStatus.h"
#include "discovery/RegistryString.h"

#include <mbstring.h>

#include <cstring>

namespace {

const char kInstallFolderKey[] = "SoftWare\\HOLVARIC\\TAVIRON\\InstallFolder";
const DWORD kNameBufferSize = 256;

struct SingleValueSource {
    const char* keyPath;
    const char* valueName;
    ExitCode notRead;
};

// Read after the enumerated key, in this order: the terminal set comes
// before the basic set.
const SingleValueSource kSingleValueSources[] = {
    {"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 端末セット", "InstallPath", EXIT_NO_TERMINAL_SET},
    {"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 基本セット", "InstallPath", EXIT_NO_BASIC_SET},
    {"SoftWare\\HOLVARIC\\Velmora\\ZPB", "InstallFolder", EXIT_NO_ZPB_FOLDER},
    {"SoftWare\\HOLVARIC\\Velmora\\ZPA", "InstallFolder", EXIT_NO_ZPA_FOLDER},
};

const unsigned char* AsBytes(const char* text)
{
    return reinterpret_cast<const unsigned char*>(text);
}

// Drops one final backslash, then appends the folder unless it is covered.
void AddFolder(CStringArray& folders, const char* text, int length)
{
    CString folder(text, length);
    if (EndsWithBackslash(folder)) folder = CString(folder, folder.GetLength() - 1);
    if (!IsFolderCovered(folders, folder)) folders.Add(folder);
}

// Every value of the key, whatever its name or type, is one folder text.
void CollectEnumeratedFolders(CStringArray& folders)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallFolderKey, 0, KEY_QUERY_VALUE, &key) !=
            ERROR_SUCCESS ||
        !key)
        return;  // no key, no folders: not a failure

    LONG result = ERROR_SUCCESS;
    for (DWORD index = 0;; ++index) {
        // Both sizes are set anew for each call, which shrinks them; the
        // text ends within the data returned, so the buffers need no clearing.
        char name[kNameBufferSize];
        BYTE data[REG_STRING_BUFFER_SIZE];
        DWORD nameSize = sizeof name;
        DWORD dataSize = sizeof data;
        result = RegEnumValueA(key, index, name, &nameSize, nullptr, nullptr, data, &dataSize);
        if (result != ERROR_SUCCESS) break;
        AddFolder(folders, reinterpret_cast<const char*>(data),
                  RegTextLength(data, dataSize, sizeof data));
    }
    RegCloseKey(key);
    if (result != ERROR_NO_MORE_ITEMS) RecordExitCode(EXIT_LEGACY_ENUM_FAILED);
}

}  // namespace

void CollectLegacyFolders(CStringArray& folders)
{
    folders.RemoveAll();
    CollectEnumeratedFolders(folders);
    for (const SingleValueSource& source : kSingleValueSources) {
        CString text;
        if (!ReadRegString(HKEY_LOCAL_MACHINE, source.keyPath, source.valueName, text)) {
            RecordExitCode(source.notRead);
            continue;
        }
        AddFolder(folders, text, text.GetLength());
    }
}

BOOL EndsWithBackslash(const char* path)
{
    if (!path || !*path) return FALSE;
    const unsigned char* last = _mbsrchr(AsBytes(path), '\\');
    return last && last[1] == '\0';
}

BOOL IsFolderCovered(const CStringArray& folders, const char* path)
{
    if (!path) return FALSE;
    const size_t pathLength = std::strlen(path);
    for (int index = 0; index < folders.GetSize(); ++index) {
        const CString& entry = folders[index];
        const size_t entryLength = static_cast<size_t>(entry.GetLength());
        if (entryLength > pathLength) continue;
        if (_mbsnbicmp(AsBytes(entry), AsBytes(path), entryLength) != 0) continue;
        // Same letters up to here: covered only at a folder boundary.
        const char next = path[entryLength];
        if (next == '\\' || next == '\0') return TRUE;
    }
    return FALSE;
}
