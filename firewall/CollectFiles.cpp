#include "firewall/CollectFiles.h"

#include <mbstring.h>

#include <cstring>

namespace {

const size_t kMaxPathLength = MAX_PATH - 1;

// Writes the folder with one trailing backslash into the buffer; FALSE when
// it would not fit.
BOOL FolderPrefix(char (&buffer)[MAX_PATH], const char* folder, size_t* length)
{
    std::memset(buffer, 0, sizeof buffer);
    const size_t folderLength = std::strlen(folder);
    if (folderLength + 1 > kMaxPathLength) return FALSE;
    std::memcpy(buffer, folder, folderLength);
    AppendBackslash(buffer);
    *length = std::strlen(buffer);
    return TRUE;
}

// Writes prefix + name into the buffer; FALSE, with nothing written past
// the buffer, when the result would not fit.
BOOL JoinPath(char (&buffer)[MAX_PATH], const char* prefix, size_t prefixLength, const char* name)
{
    const size_t nameLength = std::strlen(name);
    if (prefixLength + nameLength > kMaxPathLength) return FALSE;
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, prefix, prefixLength);
    std::memcpy(buffer + prefixLength, name, nameLength);
    return TRUE;
}

BOOL IsDotName(const char* name)
{
    return _mbsnbcmp(reinterpret_cast<const unsigned char*>(name),
                     reinterpret_cast<const unsigned char*>("."), 1) == 0;
}

}  // namespace

void AppendBackslash(char* path)
{
    const unsigned char* text = reinterpret_cast<const unsigned char*>(path);
    const unsigned char* last = _mbsrchr(text, '\\');
    const size_t length = std::strlen(path);
    if (last && last == text + length - 1) return;
    path[length] = '\\';
    path[length + 1] = '\0';
}

BOOL CollectFiles(const char* folder, PathList* paths)
{
    // The folder with its backslash, built once: every entry begins with it.
    char prefix[MAX_PATH];
    size_t prefixLength = 0;
    char pattern[MAX_PATH];
    if (!FolderPrefix(prefix, folder, &prefixLength) ||
        !JoinPath(pattern, prefix, prefixLength, "*"))
        return FALSE;

    WIN32_FIND_DATAA record;
    HANDLE search = FindFirstFileA(pattern, &record);
    if (search == INVALID_HANDLE_VALUE) return FALSE;

    BOOL ok = TRUE;
    for (;;) {
        const BOOL isFolder = (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // ".", ".." and every folder whose name begins with a dot are skipped.
        const BOOL skipped = isFolder && IsDotName(record.cFileName);
        char path[MAX_PATH];
        if (!skipped && !JoinPath(path, prefix, prefixLength, record.cFileName)) {
            // Too long to name: the tree cannot be walked in full.
            ok = FALSE;
            break;
        }
        if (skipped) {
            // nothing to list or walk
        } else if (!isFolder) {
            paths->push_back(path);
        } else {
            // The subfolder's own search pattern needs its backslash and "*".
            if (std::strlen(path) + 2 > kMaxPathLength) {
                ok = FALSE;
                break;
            }
            AppendBackslash(path);
            if (!CollectFiles(path, paths)) {
                ok = FALSE;
                break;
            }
            paths->push_back(path);
        }
        if (!FindNextFileA(search, &record) && GetLastError() != ERROR_MORE_DATA) break;
    }
    FindClose(search);
    return ok;
}
