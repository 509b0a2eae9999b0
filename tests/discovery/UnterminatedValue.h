// Stores a REG_SZ without its terminating NUL, as a careless installer can.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

// The count excludes the NUL, and the byte after the text in the source
// buffer is not 0 (Wine stores the NUL anyway when it is).
inline void SetUnterminatedString(HKEY root, const std::string& keyPath, const std::string& name,
                                  const std::string& text)
{
    const std::string buffer = text + "X";
    HKEY key;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + keyPath);
    const LONG result = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(buffer.data()),
                                       static_cast<DWORD>(text.size()));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot set value " + name);
}
