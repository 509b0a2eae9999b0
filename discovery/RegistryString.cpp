#include "discovery/RegistryString.h"

#include <cstring>

int RegTextLength(const BYTE* data, DWORD returnedSize, DWORD bufferSize)
{
    // A value stored without its NUL ends where the returned data ends.
    const size_t limit = returnedSize < bufferSize ? returnedSize : bufferSize;
    const void* nul = std::memchr(data, 0, limit);
    return static_cast<int>(nul ? static_cast<const BYTE*>(nul) - data : limit);
}

BOOL ReadRegString(HKEY root, const char* keyPath, const char* valueName, CString& text)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return FALSE;
    if (!key) return FALSE;

    BYTE buffer[REG_STRING_BUFFER_SIZE];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    const LONG result = RegQueryValueExA(key, valueName, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return FALSE;

    text = CString(reinterpret_cast<const char*>(buffer), RegTextLength(buffer, size, sizeof buffer));
    return TRUE;
}
