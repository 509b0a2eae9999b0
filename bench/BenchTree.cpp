#include "bench/BenchTree.h"

#include <windows.h>

#include <stdexcept>

BenchTree BuildBenchTree(const std::string& root, int fileCount)
{
    BenchTree tree;
    tree.root = root;
    const int kFilesPerFolder = 10;
    const int kBranching = 5;
    const int folderCount = (fileCount + kFilesPerFolder - 1) / kFilesPerFolder;

    // folders[i] = path, depths[i] = level; folder i's parent is (i - 1) / kBranching.
    std::vector<std::string> folders;
    std::vector<int> depths;
    folders.push_back(root);
    depths.push_back(0);
    if (!CreateDirectoryA(root.c_str(), nullptr)) throw std::runtime_error("cannot create " + root);
    for (int i = 1; i < folderCount; ++i) {
        const int parent = (i - 1) / kBranching;
        folders.push_back(folders[parent] + "\\d" + std::to_string(i));
        depths.push_back(depths[parent] + 1);
        if (!CreateDirectoryA(folders.back().c_str(), nullptr))
            throw std::runtime_error("cannot create " + folders.back());
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
