// Reads single text values from the registry.
#pragma once

#include "framework/CString.h"

#include <windows.h>

// Size of the buffer a value is read into: the longest text that fits with
// its terminator is one byte shorter.
const DWORD REG_STRING_BUFFER_SIZE = 1024;

// Reads a REG_SZ value into text, exactly as stored. Any failure (key or
// value absent, another type, data longer than the buffer) returns FALSE
// and leaves text as the caller passed it. The key is always closed again.
BOOL ReadRegString(HKEY root, const char* keyPath, const char* valueName, CString& text);

// Length of the text in bytes returned by a registry call: up to the first
// NUL, but never past the returned size or the buffer.
int RegTextLength(const BYTE* data, DWORD returnedSize, DWORD bufferSize);
