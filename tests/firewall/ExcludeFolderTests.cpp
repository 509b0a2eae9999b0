#include <doctest.h>

#include "app/ExitStatus.h"
#include "firewall/ExcludeFolder.h"
#include "tests/firewall/LongPaths.h"
#include "tests/support/ExitStatusAccess.h"
#include "tests/support/FirewallListsFixture.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<RegValue> EntriesFor(const std::vector<std::string>& paths)
{
    std::vector<RegValue> entries;
    for (const std::string& path : paths) entries.push_back(AuthorizationEntry(path));
    return SortedByName(entries);
}

void CheckBothLists(const std::vector<std::string>& executables)
{
    const std::vector<RegValue> expected = EntriesFor(executables);
    CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
    CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);
}

}  // namespace

TEST_CASE_FIXTURE(FirewallListsFixture, "every executable and nothing else is written into both lists")
{
    PresetExitCode(EXIT_OK);
    TempTree tree;
    const std::vector<std::string> executables = {
        tree.AddFile("Setup.EXE"),
        tree.AddFile("x1\\setup.exe"),
        tree.AddFile("x2\\SETUP.Exe"),
        tree.AddFile("x3\\.exe"),
        tree.AddFile("Tools.exe\\inner.exe"),
        tree.AddFile("ソ\\表.exe"),
    };
    for (const char* other : {"a.exe.bak", "a.exee", "exe", "Release1.2\\noext", ".profile",
                              "readme.txt", ".svn\\hidden.exe", ".git\\x\\deep.exe"})
        tree.AddFile(other);

    CHECK(ExcludeFolder(tree.Root().c_str()) == static_cast<int>(executables.size()));
    CheckBothLists(executables);
    CHECK(CurrentExitCode() == EXIT_OK);
}

TEST_CASE_FIXTURE(FirewallListsFixture, "an entry is the path and the formatted data with its NUL")
{
    TempTree tree;
    const std::string path = tree.AddFile("App\\Setup.EXE");
    const std::string dotOnly = tree.AddFile("App\\.exe");
    // A path with its file name well over 240 bytes together: written whole.
    const std::string longName = std::string(100, 'w') + ".exe";
    const std::string longPath = tree.AddFile("App\\" + std::string(100, 'd') + "\\" + longName);
    REQUIRE(longPath.size() + longName.size() > 240);

    CHECK(ExcludeFolder(tree.Path("App").c_str()) == 3);

    const std::string expectedData = path + ":*:Enabled:TAVIRON_Setup.EXE";
    std::vector<RegValue> expected = {
        {path, REG_SZ, std::string(expectedData.c_str(), expectedData.size() + 1)},
        {dotOnly, REG_SZ, dotOnly + ":*:Enabled:TAVIRON_.exe" + std::string(1, '\0')},
        {longPath, REG_SZ, longPath + ":*:Enabled:TAVIRON_" + longName + std::string(1, '\0')},
    };
    CHECK(SortedByName(FirewallListsFixture::Standard()) == SortedByName(expected));
    CHECK(SortedByName(FirewallListsFixture::Domain()) == SortedByName(expected));
}

TEST_CASE_FIXTURE(FirewallListsFixture, "a folder given with a trailing backslash writes the same entries")
{
    TempTree tree;
    const std::vector<std::string> executables = {tree.AddFile("a.exe"), tree.AddFile("S\\b.exe")};
    CHECK(ExcludeFolder((tree.Root() + "\\").c_str()) == 2);
    CheckBothLists(executables);
}

TEST_CASE_FIXTURE(FirewallListsFixture, "processing a folder twice rewrites the same values")
{
    TempTree tree;
    const std::vector<std::string> executables = {tree.AddFile("a.exe"), tree.AddFile("b.exe"),
                                                  tree.AddFile("Sub\\c.exe")};
    CHECK(ExcludeFolder(tree.Root().c_str()) == 3);
    CHECK(ExcludeFolder(tree.Root().c_str()) == 3);
    CheckBothLists(executables);
}

TEST_CASE_FIXTURE(FirewallListsFixture, "values that other programs put in the lists stay untouched")
{
    const RegValue foreign = {"C:\\Other\\tool.exe", REG_SZ,
                              std::string("C:\\Other\\tool.exe:*:Enabled:Other\0", 34)};
    for (const char* list : {kStandardList, kDomainList})
        SetRawValue(HKEY_LOCAL_MACHINE, list, foreign.name, foreign.type, foreign.data);
    TempTree tree;
    const std::string mine = tree.AddFile("mine.exe");
    CHECK(ExcludeFolder(tree.Root().c_str()) == 1);
    const std::vector<RegValue> expected = SortedByName({foreign, AuthorizationEntry(mine)});
    CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
    CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);
}

TEST_CASE_FIXTURE(FirewallListsFixture, "a walk that fails writes nothing and records 6")
{
    TempTree tree;
    tree.AddFile("A\\first.exe");
    tree.AddFile("B\\Locked\\inside.exe");
    tree.AddFile("C\\last.exe");
    const std::string locked = UnixPathOf(tree.Path("B\\Locked"));

    struct Case {
        const char* what;
        std::string folder;
        bool lock;
    } cases[] = {
        {"missing folder", tree.Path("Missing"), false},
        {"unsearchable subfolder", tree.Root(), true},
        {"loop of folder links", tree.Path("A"), false},
        {"a registry text of 1023 bytes", "C:\\" + std::string(1020, 'a'), false},
    };
    REQUIRE(RunUnixShell("ln -s .. '" + UnixPathOf(tree.Path("A")) + "/Again'") == 0);
    for (const Case& c : cases) {
        CAPTURE(c.what);
        PresetExitCode(EXIT_NO_MNX_FOLDER);
        if (c.lock) REQUIRE(RunUnixShell("chmod 000 '" + locked + "'") == 0);
        CHECK(ExcludeFolder(c.folder.c_str()) == 0);
        if (c.lock) RunUnixShell("chmod 755 '" + locked + "'");
        CHECK(CurrentExitCode() == EXIT_SCAN_FAILED);
        CHECK(FirewallListsFixture::Standard().empty());
        CHECK(FirewallListsFixture::Domain().empty());
    }
}

TEST_CASE_FIXTURE(FirewallListsFixture, "a successful folder leaves an earlier code in place")
{
    TempTree tree;
    tree.AddFile("a.exe");
    for (int earlier : {EXIT_OK, EXIT_NO_DKQ_FOLDER, EXIT_SCAN_FAILED}) {
        CAPTURE(earlier);
        PresetExitCode(earlier);
        CHECK(ExcludeFolder(tree.Root().c_str()) == 1);
        CHECK(CurrentExitCode() == earlier);
    }
}

TEST_CASE_FIXTURE(FirewallListsFixture, "an executable path at the 259-byte bound is registered whole")
{
    TempTree tree;
    const std::string root = tree.AddFolder("L");
    const std::string longest = PathOfLength(root, 259, ".exe");
    UnixMake("touch", longest);
    PresetExitCode(EXIT_OK);
    CHECK(ExcludeFolder(root.c_str()) == 1);
    CheckBothLists({longest});
    CHECK(CurrentExitCode() == EXIT_OK);

    SUBCASE("one more byte fails the walk: nothing written and 6")
    {
        UnixMake("touch", PathOfLength(root, 260, ".exe"));
        FirewallListsFixture emptyLists;
        CHECK(ExcludeFolder(root.c_str()) == 0);
        CHECK(CurrentExitCode() == EXIT_SCAN_FAILED);
        CHECK(FirewallListsFixture::Standard().empty());
        CHECK(FirewallListsFixture::Domain().empty());
    }
}

namespace {

// The key above a list. Made volatile, it refuses the list itself, since
// a volatile parent refuses a non-volatile child.
std::string ParentOf(const char* list)
{
    return std::string(list, std::string(list).rfind('\\'));
}

void MakeVolatile(const std::string& keyPath)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, keyPath);
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace

TEST_CASE_FIXTURE(FirewallListsFixture, "a list that refuses writes records 13 and the work goes on")
{
    TempTree tree;
    const std::vector<std::string> executables = {tree.AddFile("a.exe"), tree.AddFile("b.exe")};
    struct Case {
        const char* refused;
        bool standard;
        bool domain;
    } cases[] = {
        {"the standard-profile list", true, false},
        {"the domain-profile list", false, true},
        {"both lists", true, true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.refused);
        FirewallListsFixture emptyLists;
        if (c.standard) MakeVolatile(ParentOf(kStandardList));
        if (c.domain) MakeVolatile(ParentOf(kDomainList));
        PresetExitCode(EXIT_OK);
        CHECK(WriteRegString(HKEY_LOCAL_MACHINE, kStandardList, "x", "y") == !c.standard);
        CHECK(WriteRegString(HKEY_LOCAL_MACHINE, kDomainList, "x", "y") == !c.domain);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kStandardList);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kDomainList);

        // Every file is still counted, and the list that takes writes gets them all.
        CHECK(ExcludeFolder(tree.Root().c_str()) == 2);
        CHECK(CurrentExitCode() == EXIT_FIREWALL_WRITE_FAILED);
        const std::vector<RegValue> written = EntriesFor(executables);
        CHECK(SortedByName(FirewallListsFixture::Standard()) == (c.standard ? std::vector<RegValue>{} : written));
        CHECK(SortedByName(FirewallListsFixture::Domain()) == (c.domain ? std::vector<RegValue>{} : written));

        DeleteKeyTree(HKEY_LOCAL_MACHINE, ParentOf(kStandardList));
        DeleteKeyTree(HKEY_LOCAL_MACHINE, ParentOf(kDomainList));
    }
}
