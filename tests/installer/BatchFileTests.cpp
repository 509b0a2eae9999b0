// The batch-file example of docs/examples under Wine's cmd, with
// FwExclude.exe beside it in a folder whose name has a blank: "start /wait"
// must hand the program's exit code to ERRORLEVEL and the script must end
// with it.
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

struct AdminFolder : FirewallListsFixture {
    AdminFolder()
    {
        m_tools = m_tree.AddFolder("Admin Tools");
        REQUIRE(CopyFileA(FwExcludeExe().c_str(), (m_tools + "\\FwExclude.exe").c_str(), FALSE));
        REQUIRE(CopyFileA(BatchExample().c_str(), (m_tools + "\\register-firewall.bat").c_str(), FALSE));
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey);
    }
    ~AdminFolder() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey); }

    DWORD Run(const std::string& parameters) const
    {
        return RunToEnd("cmd.exe /c register-firewall.bat " + parameters, m_tools);
    }

    TempTree m_tree;
    std::string m_tools;
};

}  // namespace

TEST_CASE_FIXTURE(AdminFolder, "The batch file ends with FwExclude.exe's exit code")
{
    const std::string main = m_tree.AddFile("Main\\Main.exe");
    const std::string other = m_tree.AddFile("My Apps\\Other.exe");
    struct Case {
        const char* what;
        std::string parameters;
        bool mainInRegistry;
        DWORD exitCode;
        std::vector<std::string> registered;
    };
    const Case cases[] = {
        {"component with its folder in the registry", "MNX", true, EXIT_OK, {main}},
        {"component without it", "MNX", false, EXIT_NO_MNX_FOLDER, {}},
        {"a quoted folder with a blank", "MNX \"" + m_tree.Path("My Apps") + "\"", false, EXIT_OK, {other}},
        // The run-time library reads \" as a quote inside the text: the
        // folder arrives as My Apps" and cannot be walked. Doubled, the
        // backslash stays one.
        {"a quoted folder ending in one backslash", "MNX \"" + m_tree.Path("My Apps") + "\\\"", false,
         EXIT_SCAN_FAILED, {}},
        {"a quoted folder ending in two backslashes", "MNX \"" + m_tree.Path("My Apps") + "\\\\\"", false,
         EXIT_OK, {other}},
        {"a folder that does not exist", "MNX \"" + m_tree.Path("No Such") + "\"", false, EXIT_SCAN_FAILED, {}},
        {"an unknown component", "XYZ", true, EXIT_NO_SUCH_COMPONENT, {}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        FirewallListsFixture emptyLists;
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kInstallKey);
        if (c.mainInRegistry) SetStringValue(HKEY_LOCAL_MACHINE, kInstallKey, "TAVIRONDIR", m_tree.Path("Main"));
        CHECK(Run(c.parameters) == c.exitCode);
        std::vector<RegValue> expected;
        for (const std::string& path : c.registered) expected.push_back(AuthorizationEntry(path));
        CHECK(SortedByName(Standard()) == SortedByName(expected));
        CHECK(SortedByName(Domain()) == SortedByName(expected));
    }
}
