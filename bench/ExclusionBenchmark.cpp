// Times ExcludeFolder on a large tree next to its two limits, measured in
// the same run: a bare FindFirstFileA walk of the tree, and a bare loop of
// the same number of RegCreateKeyExA/RegSetValueExA/RegCloseKey writes.
#include "app/ExclusionApp.h"
#include "bench/BenchTree.h"
#include "firewall/ExcludeFolder.h"
#include "firewall/FirewallLists.h"

#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

CExclusionApp theApp;

namespace {

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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

// Shortest of `rounds` timings of `work`, each after `prepare` (untimed).
template <typename Prepare, typename Work>
double BestOf(int rounds, Prepare prepare, Work work)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        const double start = Seconds();
        work();
        const double elapsed = Seconds() - start;
        if (elapsed < best) best = elapsed;
    }
    return best;
}

template <typename Work>
double BestOf(int rounds, Work work)
{
    return BestOf(rounds, [] {}, work);
}

void ClearLists()
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, STANDARD_PROFILE_LIST);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, DOMAIN_PROFILE_LIST);
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA record;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &record);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = record.cFileName;
            if (name == "." || name == "..") continue;
            if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(search, &record));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "fwx_bench";
    RemoveTree(root);

    double start = Seconds();
    const BenchTree tree = BuildBenchTree(root, fileCount);
    std::printf("tree: %d files, %d executables, %d folders, %d levels below the root (built in %.1f s)\n",
                tree.files, static_cast<int>(tree.executables.size()), tree.folders, tree.depth,
                Seconds() - start);

    // Best of three rounds each, the lists emptied before every round of writes.
    const int kRounds = 3;
    int walked = 0;
    const double walk = BestOf(kRounds, [&] { walked = BareWalk(root); });
    const double writes = BestOf(kRounds, ClearLists, [&] { BareWrites(tree); });
    int count = 0;
    const double exclusion = BestOf(kRounds, ClearLists, [&] { count = ExcludeFolder(root.c_str()); });

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);

    std::printf("bare walk:      %8.3f s  (%d entries)\n", walk, walked);
    std::printf("bare writes:    %8.3f s  (%d writes)\n", writes,
                static_cast<int>(2 * tree.executables.size()));
    std::printf("ExcludeFolder:  %8.3f s  (%d executables, exit status %d)\n", exclusion, count,
                theApp.m_nExitCode);
    std::printf("ratio ExcludeFolder / (walk + writes): %.2f\n", exclusion / (walk + writes));
    std::printf("peak working set: %.1f MiB, peak pagefile use: %.1f MiB\n",
                memory.PeakWorkingSetSize / 1048576.0, memory.PeakPagefileUsage / 1048576.0);

    ClearLists();
    RemoveTree(root);
    return count == static_cast<int>(tree.executables.size()) ? 0 : 1;
}
