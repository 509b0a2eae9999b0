// Real-registry helpers for tests: seed values, read them back, clean up.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RegValue {
    std::string name;
    DWORD type;
    std::string data;  // raw bytes as stored, terminating NUL included

    bool operator==(const RegValue& other) const
    {
        return name == other.name && type == other.type && data == other.data;
    }
};

// Every value of the key, in enumeration order; empty when the key is absent.
std::vector<RegValue> ReadAllValues(HKEY root, const std::string& keyPath);

// Stores raw bytes under the key (created as needed).
void SetRawValue(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
                 const std::string& bytes);

// Stores a REG_SZ with its terminating NUL.
void SetStringValue(HKEY root, const std::string& keyPath, const std::string& name,
                    const std::string& text);

// Deletes the key with everything below it; absent keys are fine.
void DeleteKeyTree(HKEY root, const std::string& keyPath);

bool KeyExists(HKEY root, const std::string& keyPath);
