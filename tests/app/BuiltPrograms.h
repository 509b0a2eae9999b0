// Paths of the programs this build made, as Windows paths inside Wine.
#pragma once

#include <string>

// The build passes Unix paths; Wine maps the Unix root to drive Z:.
inline std::string WindowsPathOf(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

inline std::string FwExcludeExe()
{
    return WindowsPathOf(FWEXCLUDE_EXE);
}
