// A benchmark tree: N files, one in ten an executable, ten files a folder,
// folders nested breadth-first five to a parent (six levels at 100,000).
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

BenchTree BuildBenchTree(const std::string& root, int fileCount);
