#include "ProductInstallation.h"

#include "tests/support/RegistryHelpers.h"

#include <stdexcept>

const std::vector<Source> kAllLegacy = {kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa};
const std::vector<Source> kAllRegistered = {kMain,        kWbq,      kDkq, kLegacyList,
                                            kTerminalSet, kBasicSet, kZpb, kZpa};
const char* const kLegacyListKey = "SoftWare\\HOLVARIC\\TAVIRON\\InstallFolder";

namespace {

struct RegistryValue {
    const char* key;
    const char* name;
};

const std::map<Source, RegistryValue> kValues = {
    {kMain, {"Software\\TAVIRON\\OrvoInst", "TAVIRONDIR"}},
    {kWbq, {"Software\\TAVIRON\\WBQ", "InstallPath"}},
    {kDkq, {"Software\\TAVIRON\\DKQ", "InstallPath"}},
    {kTerminalSet, {"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 端末セット", "InstallPath"}},
    {kBasicSet, {"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 基本セット", "InstallPath"}},
    {kZpb, {"SoftWare\\HOLVARIC\\Velmora\\ZPB", "InstallFolder"}},
    {kZpa, {"SoftWare\\HOLVARIC\\Velmora\\ZPA", "InstallFolder"}},
};

// Folders (relative to the tree) and their files; only the ".exe" files
// outside dot folders are executables that a run registers.
struct Layout {
    Source source;
    const char* folder;
    std::vector<const char*> executables;
    std::vector<const char*> others;
};

const Layout kLayouts[] = {
    {kMain, "Orvo", {"orvo.exe", "bin\\Tool.EXE"}, {"readme.txt", ".svn\\hidden.exe"}},
    {kWbq, "Wbq", {"wbq.exe"}, {"wbq.dll"}},
    {kDkq, "Dkq", {"dkq.exe", "sub\\deep\\Report.Exe"}, {"sub\\dkq.exe.bak"}},
    {kLegacyList, "Legacy\\One", {"one.exe"}, {}},
    {kLegacyList, "Legacy\\Two", {"two.exe", "tools\\conv.exe"}, {}},
    {kTerminalSet, "端末セット", {"端末.exe"}, {}},
    {kBasicSet, "Basic", {"basic.exe"}, {".profile"}},
    {kZpb, "Zpb", {"zpb.exe"}, {}},
    {kZpa, "Zpa", {"zpa.exe"}, {}},
    {kGiven, "Given", {"given.exe", "more\\Given2.EXE"}, {"notes.txt"}},
};

// Wine's settings for this program alone.
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\FwExclude.exe";

// The key above a list: a test may make it volatile.
std::string ParentOf(const std::string& list)
{
    return list.substr(0, list.rfind('\\'));
}

}  // namespace

ProductInstallation::ProductInstallation()
{
    Reset();
    for (const Layout& layout : kLayouts) {
        m_folders[layout.source].push_back(m_tree.AddFolder(layout.folder));
        for (const char* file : layout.executables)
            m_executables[layout.source].push_back(
                m_tree.AddFile(std::string(layout.folder) + "\\" + file));
        for (const char* file : layout.others) m_tree.AddFile(std::string(layout.folder) + "\\" + file);
    }
}

ProductInstallation::~ProductInstallation()
{
    Reset();
}

void ProductInstallation::Reset()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\TAVIRON");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SoftWare\\HOLVARIC");
    for (const char* list : {kStandardList, kDomainList})
        DeleteKeyTree(HKEY_LOCAL_MACHINE, ParentOf(list));
    DeleteKeyTree(HKEY_CURRENT_USER, kAppDefaults);
}

void ProductInstallation::ReportWindows(const std::string& version)
{
    SetStringValue(HKEY_CURRENT_USER, kAppDefaults, "Version", version);
}

void ProductInstallation::RefuseWrites(const char* list)
{
    // A volatile key refuses a non-volatile child: the list cannot be created.
    const std::string parent = ParentOf(list);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, parent);
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the volatile key " + parent);
    RegCloseKey(key);
}

void ProductInstallation::Register(const std::vector<Source>& sources)
{
    for (Source source : sources) {
        if (source == kLegacyList) {
            const std::vector<std::string>& folders = m_folders.at(kLegacyList);
            for (size_t index = 0; index < folders.size(); ++index)
                AddToLegacyList("Folder" + std::to_string(index + 1), folders[index]);
        } else {
            Name(source, Folder(source));
        }
    }
}

void ProductInstallation::Name(Source source, const std::string& text)
{
    const RegistryValue& value = kValues.at(source);
    SetStringValue(HKEY_LOCAL_MACHINE, value.key, value.name, text);
}

void ProductInstallation::AddToLegacyList(const std::string& valueName, const std::string& text)
{
    SetStringValue(HKEY_LOCAL_MACHINE, kLegacyListKey, valueName, text);
}

std::string ProductInstallation::Folder(Source source) const
{
    const std::vector<std::string>& folders = m_folders.at(source);
    if (folders.size() != 1) throw std::logic_error("not a single-folder source");
    return folders.front();
}

std::vector<RegValue> ProductInstallation::EntriesOf(const std::vector<Source>& sources) const
{
    std::vector<RegValue> entries;
    for (Source source : sources)
        for (const std::string& path : m_executables.at(source))
            entries.push_back(AuthorizationEntry(path));
    return SortedByName(entries);
}
