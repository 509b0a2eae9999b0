// FwExclude.exe as a whole, started as an installer starts it, on registry
// values and folder trees that a broken or hostile machine can hold. Each
// run must end with its code and write nothing it should not, nothing cut.
#include <doctest.h>

#include "app/ExitStatus.h"
#include "tests/app/BuiltPrograms.h"
#include "tests/discovery/UnterminatedValue.h"
#include "tests/firewall/LongPaths.h"
#include "tests/installer/ChildRun.h"
#include "tests/support/FirewallListsFixture.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char kMainKey[] = "Software\\TAVIRON\\OrvoInst";
const char kVendorKey[] = "SoftWare\\HOLVARIC";
const char kEnumeratedKey[] = "SoftWare\\HOLVARIC\\TAVIRON\\InstallFolder";

// An installation folder with one program in it; the registry keys of the
// family are removed before and after.
struct HostileMachine : FirewallListsFixture {
    HostileMachine()
    {
        ClearKeys();
        m_program = m_tree.AddFile("Orvo\\Main.exe");
    }
    ~HostileMachine() { ClearKeys(); }
    static void ClearKeys()
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kMainKey);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kVendorKey);
    }

    DWORD Run(const std::string& parameters) const
    {
        return RunToEnd("\"" + FwExcludeExe() + "\" " + parameters);
    }

    // Both lists hold exactly these programs' entries.
    static void CheckLists(const std::vector<std::string>& programs)
    {
        std::vector<RegValue> expected;
        for (const std::string& path : programs) expected.push_back(AuthorizationEntry(path));
        CHECK(SortedByName(Standard()) == SortedByName(expected));
        CHECK(SortedByName(Domain()) == SortedByName(expected));
    }

    TempTree m_tree;
    std::string m_program;
};

std::string WithNul(const std::string& text)
{
    return std::string(text.c_str(), text.size() + 1);
}

}  // namespace

TEST_CASE_FIXTURE(HostileMachine, "MNX with a hostile install folder value")
{
    const std::string folder = m_tree.Path("Orvo");
    struct Case {
        const char* what;
        std::function<void()> store;
        DWORD exitCode;
        bool registered;
    };
    const Case cases[] = {
        {"the folder as REG_SZ", [&] { SetStringValue(HKEY_LOCAL_MACHINE, kMainKey, "TAVIRONDIR", folder); },
         EXIT_OK, true},
        {"the folder without its NUL",
         [&] { SetUnterminatedString(HKEY_LOCAL_MACHINE, kMainKey, "TAVIRONDIR", folder); }, EXIT_OK, true},
        {"a text of 1023 bytes",
         [&] { SetStringValue(HKEY_LOCAL_MACHINE, kMainKey, "TAVIRONDIR", "C:\\" + std::string(1020, 'a')); },
         EXIT_SCAN_FAILED, false},
        {"a text of 1024 bytes",
         [&] { SetStringValue(HKEY_LOCAL_MACHINE, kMainKey, "TAVIRONDIR", std::string(1024, 'a')); },
         EXIT_NO_MNX_FOLDER, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        FirewallListsFixture emptyLists;
        ClearKeys();
        c.store();
        CHECK(Run("MNX") == c.exitCode);
        CheckLists(c.registered ? std::vector<std::string>{m_program} : std::vector<std::string>{});
    }

    // The folder's text under every other type counts as no folder.
    for (DWORD type = REG_NONE; type <= REG_QWORD; ++type) {
        if (type == REG_SZ) continue;
        CAPTURE(type);
        ClearKeys();
        SetRawValue(HKEY_LOCAL_MACHINE, kMainKey, "TAVIRONDIR", type, WithNul(folder));
        CHECK(Run("MNX") == EXIT_NO_MNX_FOLDER);
        CheckLists({});
    }
}

TEST_CASE_FIXTURE(HostileMachine, "MNXL with a value name of 256 bytes keeps what came before it and ends with 7")
{
    const std::string first = m_tree.AddFile("First\\first.exe");
    const std::string last = m_tree.AddFile("Last\\last.exe");
    // Values are enumerated by name: "a", the long name, then "z".
    SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, "a", m_tree.Path("First"));
    SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, std::string(256, 'm'), m_tree.Path("Orvo"));
    SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, "z", m_tree.Path("Last"));
    // The other four sources name an empty folder, so that none of them fails.
    const std::string empty = m_tree.AddFolder("Empty");
    for (const char* key : {"GRENDOVA Ver.2 端末セット", "GRENDOVA Ver.2 基本セット"})
        SetStringValue(HKEY_LOCAL_MACHINE, std::string(kVendorKey) + "\\" + key, "InstallPath", empty);
    for (const char* key : {"Velmora\\ZPB", "Velmora\\ZPA"})
        SetStringValue(HKEY_LOCAL_MACHINE, std::string(kVendorKey) + "\\" + key, "InstallFolder", empty);

    CHECK(Run("MNXL") == EXIT_LEGACY_ENUM_FAILED);
    CheckLists({first});
}

TEST_CASE_FIXTURE(HostileMachine, "A hostile folder tree fails whole with 6 or is registered whole")
{
    const std::string root = m_tree.AddFolder("Tree");
    struct Case {
        const char* what;
        std::function<std::vector<std::string>()> make;  // the programs to register
        DWORD exitCode;
    };
    const Case cases[] = {
        {"a program path of 259 bytes",
         [&] {
             const std::string path = PathOfLength(root, 259, ".exe");
             UnixMake("touch", path);
             return std::vector<std::string>{path};
         },
         EXIT_OK},
        {"a program path of 260 bytes", [&] {
             UnixMake("touch", PathOfLength(root, 260, ".exe"));
             return std::vector<std::string>{};
         },
         EXIT_SCAN_FAILED},
        {"names ending in a 0x5C trail byte",
         [&] {
             return std::vector<std::string>{m_tree.AddFile("Tree\\ソ\\表.exe"), m_tree.AddFile("Tree\\表\\ソ.exe")};
         },
         EXIT_OK},
        {"a loop of folder links", [&] {
             m_tree.AddFile("Tree\\Loop\\x.exe");
             REQUIRE(RunUnixShell("ln -s .. '" + UnixPathOf(m_tree.Path("Tree\\Loop")) + "/Again'") == 0);
             return std::vector<std::string>{};
         },
         EXIT_SCAN_FAILED},
        {"an unsearchable subfolder", [&] {
             m_tree.AddFile("Tree\\Readable\\r.exe");
             m_tree.AddFile("Tree\\Locked\\l.exe");
             REQUIRE(RunUnixShell("chmod 000 '" + UnixPathOf(m_tree.Path("Tree\\Locked")) + "'") == 0);
             return std::vector<std::string>{};
         },
         EXIT_SCAN_FAILED},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        FirewallListsFixture emptyLists;
        RemoveTree(root);
        m_tree.AddFolder("Tree");
        const std::vector<std::string> programs = c.make();
        CHECK(Run("MNX \"" + root + "\"") == c.exitCode);
        CheckLists(programs);
        RunUnixShell("chmod -R u+rwx '" + UnixPathOf(root) + "'");
    }

    // A folder parameter of 1023 bytes, as long as a registry text can be.
    CHECK(Run("MNX \"C:\\" + std::string(1020, 'a') + "\"") == EXIT_SCAN_FAILED);
    CheckLists({});
}
