#include "firewall/ExcludeFolder.h"

#include "app/ExitStatus.h"
#include "firewall/CollectFiles.h"
#include "firewall/FirewallLists.h"

#include <mbstring.h>

namespace {

const unsigned char* AsBytes(const char* text)
{
    return reinterpret_cast<const unsigned char*>(text);
}

// The file name of an entry that ends in ".exe" in any case, else null.
const char* ExecutableName(const char* entry)
{
    const unsigned char* dot = _mbsrchr(AsBytes(entry), '.');
    if (!dot || _mbsicmp(dot + 1, AsBytes("exe")) != 0) return nullptr;
    const unsigned char* backslash = _mbsrchr(AsBytes(entry), '\\');
    if (!backslash) return nullptr;
    return reinterpret_cast<const char*>(backslash + 1);
}

}  // namespace

BOOL WriteRegString(HKEY root, const char* subKey, const char* valueName, const char* data)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    char noClass[] = "";
    if (RegCreateKeyExA(root, subKey, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, &disposition) != ERROR_SUCCESS ||
        !key)
        return FALSE;
    const LONG stored = RegSetValueExA(key, valueName, 0, REG_SZ, AsBytes(data),
                                       static_cast<DWORD>(lstrlenA(data) + 1));
    RegCloseKey(key);
    return stored == ERROR_SUCCESS;
}

int ExcludeFolder(CString folder)
{
    PathList paths;
    if (!CollectFiles(folder, &paths)) {
        RecordExitCode(EXIT_SCAN_FAILED);
        return 0;
    }

    int count = 0;
    for (const CString& entry : paths) {
        const char* name = ExecutableName(entry);
        if (!name) continue;
        // Sized to fit: a long path is registered whole, never cut.
        CString data;
        data.Format("%s:*:Enabled:TAVIRON_%s", static_cast<const char*>(entry), name);
        const BOOL standard = WriteRegString(HKEY_LOCAL_MACHINE, STANDARD_PROFILE_LIST, entry, data);
        const BOOL domain = WriteRegString(HKEY_LOCAL_MACHINE, DOMAIN_PROFILE_LIST, entry, data);
        if (!standard || !domain) RecordExitCode(EXIT_FIREWALL_WRITE_FAILED);
        ++count;
    }
    return count;
}
