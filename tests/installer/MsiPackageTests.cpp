// The WiX example of docs/examples, built by wixl and installed with
// msiexec /qn under Wine: FwExclude.exe runs as a deferred custom action
// that is not impersonated, and a failure rolls the installation back.
#include <doctest.h>

#include "ChildRun.h"
#include "ExamplePaths.h"
#include "tests/support/FirewallListsFixture.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kInstallKey[] = "Software\\TAVIRON\\OrvoInst";
// A failed custom action ends msiexec with 1603 (ERROR_INSTALL_FAILURE) on
// Windows; Wine 8's msiexec reports 1627 (ERROR_FUNCTION_FAILED).
bool IsInstallFailure(DWORD code)
{
    return code == 1603 || code == 1627;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct MsiInstall : FirewallListsFixture {
    MsiInstall() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey); }
    ~MsiInstall()
    {
        // Removes the product if a test installed it; the firewall entries
        // stay (FwExclude.exe never removes one) until the fixture's own
        // clean-up.
        RunToEnd("msiexec.exe /x \"" + SamplePackage() + "\" /qn");
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey);
    }

    // A folder with a blank in its name, as under Program Files.
    std::string Folder() const { return m_tree.Path("TAVIRON Sample"); }

    DWORD Install() const
    {
        return RunToEnd("msiexec.exe /i \"" + SamplePackage() + "\" /qn \"INSTALLDIR=" + Folder() + "\"");
    }

    TempTree m_tree;
};

}  // namespace

TEST_CASE_FIXTURE(MsiInstall, "The package opens the firewall to the programs it installs")
{
    CHECK(Install() == 0);
    CHECK(Exists(Folder() + "\\Main.exe"));
    CHECK(Exists(Folder() + "\\Tools\\Update.EXE"));
    // Windows Installer writes the folder with a final backslash.
    CHECK(ReadAllValues(HKEY_LOCAL_MACHINE, kInstallKey) ==
          std::vector<RegValue>{{"TAVIRONDIR", REG_SZ, Folder() + "\\" + std::string(1, '\0')}});
    const std::vector<RegValue> expected = SortedByName(
        {AuthorizationEntry(Folder() + "\\Main.exe"), AuthorizationEntry(Folder() + "\\Tools\\Update.EXE")});
    CHECK(SortedByName(Standard()) == expected);
    CHECK(SortedByName(Domain()) == expected);
}

TEST_CASE_FIXTURE(MsiInstall, "A firewall list that refuses writes fails the package and rolls it back")
{
    // A volatile parent refuses a non-volatile child: FwExclude.exe cannot
    // create the standard-profile list and ends with 13.
    const std::string parent(kStandardList, std::string(kStandardList).rfind('\\'));
    DeleteKeyTree(HKEY_LOCAL_MACHINE, parent);
    HKEY volatileKey;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr) == ERROR_SUCCESS);
    RegCloseKey(volatileKey);

    const DWORD code = Install();
    CAPTURE(code);
    CHECK(IsInstallFailure(code));
    CHECK_FALSE(Exists(Folder() + "\\Main.exe"));
    CHECK_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstallKey));
    CHECK(Standard().empty());

    DeleteKeyTree(HKEY_LOCAL_MACHINE, parent);
}
