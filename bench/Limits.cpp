#include "bench/Limits.h"

#include "firewall/FirewallLists.h"

#include <windows.h>
#include <shlwapi.h>

int BareWalk(const std::string& folder)
{
    int entries = 0;
    WIN32_FIND_DATAA record;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &record);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (record.cFileName[0] == '.') continue;
        ++entries;
        if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            entries += BareWalk(folder + "\\" + record.cFileName);
    } while (FindNextFileA(search, &record));
    FindClose(search);
    return entries;
}

void BareWrites(const BenchTree& tree)
{
    for (const std::string& path : tree.executables) {
        const std::string name = path.substr(path.rfind('\\') + 1);
        const std::string data = path + ":*:Enabled:TAVIRON_" + name;
        for (const char* list : {STANDARD_PROFILE_LIST, DOMAIN_PROFILE_LIST}) {
            HKEY key;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, list, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
                continue;
            RegSetValueExA(key, path.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1));
            RegCloseKey(key);
        }
    }
}

void ClearLists()
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, STANDARD_PROFILE_LIST);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, DOMAIN_PROFILE_LIST);
}

int ValuesInList(const char* list)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, list, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return static_cast<int>(values);
}
