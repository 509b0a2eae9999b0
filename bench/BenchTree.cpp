#include "bench/BenchTree.h"

#include <windows.h>

#include <stdexcept>

namespace {

const int kFilesPerFolder = 10;

// The smallest number of children a folder that fits all folders within
// kBenchDepth levels below the root.
int BranchingFor(int folderCount)
{
    for (int branching = 1;; ++branching) {
        long long total = 0, level = 1;
        for (int depth = 0; depth <= kBenchDepth; ++depth, level *= branching) total += level;
        if (total >= folderCount) return branching;
    }
}

void CreateFolder(const std::string& path)
{
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
}

}  // namespace

BenchTree BuildBenchTree(const std::string& root, int fileCount)
{
    BenchTree tree;
    tree.root = root;
    const int folderCount = (fileCount + kFilesPerFolder - 1) / kFilesPerFolder;
    const int branching = BranchingFor(folderCount);

    // Folder i's parent is (i - 1) / branching: breadth-first, level by level.
    std::vector<std::string> folders = {root};
    std::vector<int> depths = {0};
    CreateFolder(root);
    for (int i = 1; i < folderCount; ++i) {
        const int parent = (i - 1) / branching;
        folders.push_back(folders[parent] + "\\d" + std::to_string(i));
        depths.push_back(depths[parent] + 1);
        CreateFolder(folders.back());
        if (depths.back() > tree.depth) tree.depth = depths.back();
    }
    for (int n = 0; n < fileCount; ++n) {
        const std::string& folder = folders[n / kFilesPerFolder];
        const bool executable = n % kFilesPerFolder == 0;
        const std::string path = folder + "\\f" + std::to_string(n) + (executable ? ".exe" : ".dat");
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
        CloseHandle(file);
        if (executable) tree.executables.push_back(path);
    }
    tree.files = fileCount;
    tree.folders = folderCount;
    return tree;
}

void RemoveBenchTree(const std::string& folder)
{
    WIN32_FIND_DATAA record;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &record);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = record.cFileName;
            if (name == "." || name == "..") continue;
            if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveBenchTree(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(search, &record));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
