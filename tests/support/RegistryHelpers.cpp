#include "tests/support/RegistryHelpers.h"

#include <shlwapi.h>

#include <stdexcept>

std::vector<RegValue> ReadAllValues(HKEY root, const std::string& keyPath)
{
    std::vector<RegValue> values;
    HKEY key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameSize = sizeof name;
        std::string data(65536, '\0');
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result = RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(&data[0]), &dataSize);
        if (result != ERROR_SUCCESS) break;
        data.resize(dataSize);
        values.push_back({std::string(name, nameSize), type, data});
    }
    RegCloseKey(key);
    return values;
}

void SetRawValue(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
                 const std::string& bytes)
{
    HKEY key;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + keyPath);
    const LONG result = RegSetValueExA(key, name.c_str(), 0, type,
                                       reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot set value " + name);
}

void SetStringValue(HKEY root, const std::string& keyPath, const std::string& name,
                    const std::string& text)
{
    SetRawValue(root, keyPath, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void DeleteKeyTree(HKEY root, const std::string& keyPath)
{
    SHDeleteKeyA(root, keyPath.c_str());
}

bool KeyExists(HKEY root, const std::string& keyPath)
{
    HKEY key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
