// A folder tree of real files in the Wine prefix, removed at the end.
#pragma once

#include <string>

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Root folder, without a trailing backslash.
    const std::string& Root() const { return m_root; }
    // Root + "\" + relative path (relative paths use backslashes).
    std::string Path(const std::string& relative) const;
    // Creates an empty file; missing folders on the way are created.
    std::string AddFile(const std::string& relative);
    std::string AddFolder(const std::string& relative);

private:
    std::string m_root;
};

// The Unix path of a Windows path, through Wine's own mapping.
std::string UnixPathOf(const std::string& windowsPath);

// Runs a Unix shell command line from inside Wine; returns its exit code.
int RunUnixShell(const std::string& commandLine);

// Deletes a folder with everything in it (used for clean-up).
void RemoveTree(const std::string& folder);
