// A benchmark tree: N files, one in ten an executable, ten files a folder,
// folders filled breadth-first with the fewest children a folder that
// reach six levels below the root (1,000 to 100,000 files: six levels).
#pragma once

#include <string>
#include <vector>

struct BenchTree {
    std::string root;
    std::vector<std::string> executables;
    int files = 0;
    int folders = 0;
    int depth = 0;
};

const int kBenchDepth = 6;

BenchTree BuildBenchTree(const std::string& root, int fileCount);

// Deletes a folder with everything in it; a missing folder is fine.
void RemoveBenchTree(const std::string& folder);
