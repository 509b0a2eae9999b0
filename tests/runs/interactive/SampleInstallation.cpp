#include "SampleInstallation.h"

#include "tests/support/RegistryHelpers.h"

#include <algorithm>

namespace {

void ClearInstallFolders()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\TAVIRON");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SoftWare\\HOLVARIC");
}

const char kLegacyKey[] = "SoftWare\\HOLVARIC\\TAVIRON\\InstallFolder";

// Registry value -> folder of the tree ("" for an empty value).
const struct {
    const char* name;
    const char* key;
    const char* value;
    const char* folder;
} kSources[] = {
    {"legacy Old", kLegacyKey, "Old", "Old"},
    {"legacy Main", kLegacyKey, "Main", "Main\\"},  // the main product's folder again
    {"legacy Empty", kLegacyKey, "Empty", ""},      // an empty entry: skipped
    {"terminal set", "SoftWare\\HOLVARIC\\GRENDOVA Ver.2 端末セット", "InstallPath", "GRENDOVA\\端末"},
    {"basic set", "SoftWare\\HOLVARIC\\GRENDOVA Ver.2 基本セット", "InstallPath", "GRENDOVA\\基本"},
    {"ZPB", "SoftWare\\HOLVARIC\\Velmora\\ZPB", "InstallFolder", "Velmora\\ZPB"},
    {"ZPA", "SoftWare\\HOLVARIC\\Velmora\\ZPA", "InstallFolder", "Velmora\\ZPA"},
    {"MNX", "Software\\TAVIRON\\OrvoInst", "TAVIRONDIR", "Main"},
    {"WBQ", "Software\\TAVIRON\\WBQ", "InstallPath", "Main\\WBQ\\"},  // inside MNX's folder
    {"DKQ", "Software\\TAVIRON\\DKQ", "InstallPath", "DKQ"},
};

// Files of the tree, with the sources whose walk reaches each as an
// executable.
const struct {
    const char* path;
    std::vector<std::string> reachedBy;
} kFiles[] = {
    {"Main\\Main.exe", {"legacy Main", "MNX"}},
    {"Main\\Tools\\Update.EXE", {"legacy Main", "MNX"}},
    {"Main\\Tools\\readme.txt", {}},
    {"Main\\.svn\\ghost.exe", {}},  // dot folders are not walked
    {"Main\\WBQ\\Wbq.exe", {"legacy Main", "MNX", "WBQ"}},
    {"Main\\WBQ\\bin\\WbqAgent.exe", {"legacy Main", "MNX", "WBQ"}},
    {"Old\\Legacy.exe", {"legacy Old"}},
    {"GRENDOVA\\端末\\Terminal.exe", {"terminal set"}},
    {"GRENDOVA\\基本\\Basic.exe", {"basic set"}},
    {"Velmora\\ZPB\\zpb.exe", {"ZPB"}},
    {"Velmora\\ZPA\\zpa.exe", {"ZPA"}},
    {"DKQ\\dkq.exe", {"DKQ"}},
    {"DKQ\\notes.txt", {}},
};

}  // namespace

EmptyMachine::EmptyMachine()
{
    ClearInstallFolders();
}

EmptyMachine::~EmptyMachine()
{
    ClearInstallFolders();
}

SampleInstallation::SampleInstallation(const std::vector<std::string>& only)
{
    auto present = [&](const std::string& source) {
        return only.empty() || std::find(only.begin(), only.end(), source) != only.end();
    };
    for (const auto& file : kFiles) {
        const std::string path = m_tree.AddFile(file.path);
        const int walks = static_cast<int>(std::count_if(file.reachedBy.begin(), file.reachedBy.end(), present));
        if (walks == 0) continue;
        m_counted += walks;
        m_entries.push_back(AuthorizationEntry(path));
    }
    m_entries = SortedByName(m_entries);
    for (const auto& source : kSources) {
        if (!present(source.name)) continue;
        const std::string folder = *source.folder ? m_tree.Path(source.folder) : "";
        SetStringValue(HKEY_LOCAL_MACHINE, source.key, source.value, folder);
    }
}

namespace {
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\FwExclude.exe";
}

WindowsVersionOverride::WindowsVersionOverride(const std::string& version)
{
    SetStringValue(HKEY_CURRENT_USER, kAppDefaults, "Version", version);
}

WindowsVersionOverride::~WindowsVersionOverride()
{
    DeleteKeyTree(HKEY_CURRENT_USER, kAppDefaults);
}
