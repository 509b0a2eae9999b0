// The NSIS example of docs/examples as a real client of FwExclude.exe:
// built by makensis, run silently (/S) as a deployment tool runs it. The
// installer copies its files, records its folder, runs FwExclude.exe MNX
// and must fail with FwExclude.exe's own code when that is not 0.
#include <doctest.h>

#include "ChildRun.h"
#include "ExamplePaths.h"
#include "app/ExitStatus.h"
#include "tests/support/FirewallListsFixture.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kInstallKey[] = "Software\\TAVIRON\\OrvoInst";
const char kDkqKey[] = "Software\\TAVIRON\\DKQ";

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct SilentInstall : FirewallListsFixture {
    SilentInstall() { DeleteKeys(); }
    ~SilentInstall() { DeleteKeys(); }
    static void DeleteKeys()
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kDkqKey);
    }

    // A folder with a blank in its name, as under Program Files.
    std::string Folder() const { return m_tree.Path("TAVIRON Sample"); }

    // NSIS takes the folder after /D= as the rest of the command line,
    // blanks included and without quotes.
    DWORD Install(const std::string& installer) const
    {
        return RunToEnd("\"" + installer + "\" /S /D=" + Folder());
    }

    void CheckFilesInstalled() const
    {
        for (const char* file : {"\\Main.exe", "\\Tools\\Update.EXE", "\\readme.txt"}) {
            CAPTURE(file);
            CHECK(FileExists(Folder() + file));
        }
    }

    TempTree m_tree;
};

}  // namespace

TEST_CASE_FIXTURE(SilentInstall, "The sample installer opens the firewall to the programs it installs")
{
    CHECK(Install(SampleInstaller()) == 0);
    CheckFilesInstalled();
    const std::string folder = Folder();
    CHECK(ReadAllValues(HKEY_LOCAL_MACHINE, kInstallKey) ==
          std::vector<RegValue>{{"TAVIRONDIR", REG_SZ, folder + std::string(1, '\0')}});
    // Its programs, and not FwExclude.exe, which ran from a temporary folder.
    const std::vector<RegValue> expected = SortedByName(
        {AuthorizationEntry(folder + "\\Main.exe"), AuthorizationEntry(folder + "\\Tools\\Update.EXE")});
    CHECK(SortedByName(Standard()) == expected);
    CHECK(SortedByName(Domain()) == expected);
}

TEST_CASE_FIXTURE(SilentInstall, "A missing install folder value fails the installer with the program's code")
{
    // A DKQ installer that records its folder under a value FwExclude.exe
    // does not read. Code 4, not NSIS's own 2 for an aborted installation.
    CHECK(Install(SampleInstallerWrongValue()) == EXIT_NO_DKQ_FOLDER);
    CheckFilesInstalled();
    CHECK(ReadAllValues(HKEY_LOCAL_MACHINE, kDkqKey) ==
          std::vector<RegValue>{{"InstallDir", REG_SZ, Folder() + std::string(1, '\0')}});
    CHECK(Standard().empty());
    CHECK(Domain().empty());
}
