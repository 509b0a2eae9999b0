#include "tests/support/TempTree.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

namespace {

void CreateFolders(const std::string& path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw std::runtime_error("cannot create folder " + path);
}

}  // namespace

TempTree::TempTree()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        m_root = std::string(temp) + "fwx" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++counter);
        if (CreateDirectoryA(m_root.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
    }
}

TempTree::~TempTree()
{
    RemoveTree(m_root);
}

std::string TempTree::Path(const std::string& relative) const
{
    return m_root + "\\" + relative;
}

std::string TempTree::AddFolder(const std::string& relative)
{
    const std::string path = Path(relative);
    CreateFolders(path);
    return path;
}

std::string TempTree::AddFile(const std::string& relative)
{
    const std::string path = Path(relative);
    const size_t slash = path.find_last_of('\\');
    CreateFolders(path.substr(0, slash));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create file " + path);
    CloseHandle(file);
    return path;
}

std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    static ToUnix toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) throw std::runtime_error("not running under Wine");
    WCHAR wide[4096];
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, 4096);
    char* unixPath = toUnix(wide);
    if (!unixPath) throw std::runtime_error("no Unix path for " + windowsPath);
    std::string result(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

int RunUnixShell(const std::string& commandLine)
{
    // Wine starts a Unix program when CreateProcess is handed one, but it
    // neither waits for it nor learns its exit code: the shell leaves its
    // code in a file, which appears whole once the command is done.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    const std::string done = std::string(temp) + "unixrun" + std::to_string(GetCurrentProcessId()) +
                             "_" + std::to_string(++counter);
    DeleteFileA(done.c_str());
    const std::string doneUnix = UnixPathOf(done);
    std::string line = "/bin/sh -c \"(" + commandLine + "); echo $? > '" + doneUnix + ".part'; mv '" +
                       doneUnix + ".part' '" + doneUnix + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start /bin/sh");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; waited < 30000; waited += 10) {
        HANDLE file = CreateFileA(done.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char text[16] = {};
            DWORD read = 0;
            ReadFile(file, text, sizeof text - 1, &read, nullptr);
            CloseHandle(file);
            DeleteFileA(done.c_str());
            return atoi(text);
        }
        Sleep(10);
    }
    throw std::runtime_error("Unix command did not finish: " + commandLine);
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA record;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &record);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = record.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (record.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                // A link: remove the link, never what it points to.
                if (!RemoveDirectoryA(path.c_str())) DeleteFileA(path.c_str());
            } else if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &record));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
