#include <doctest.h>

#include "firewall/CollectFiles.h"
#include "tests/firewall/LongPaths.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Collect(const std::string& folder, BOOL* result = nullptr)
{
    PathList paths;
    const BOOL ok = CollectFiles(folder.c_str(), &paths);
    if (result) *result = ok;
    return std::vector<std::string>(paths.begin(), paths.end());
}

}  // namespace

TEST_CASE("AppendBackslash adds exactly one real backslash")
{
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\App", "C:\\App\\"},
        {"C:\\App\\", "C:\\App\\"},
        {"C:\\", "C:\\"},
        {"C:", "C:\\"},
        {"App", "App\\"},
        // ソ is 83 5C in code page 932: its trail byte is not a backslash.
        {"C:\\ソ", "C:\\ソ\\"},
        {"C:\\ソ\\", "C:\\ソ\\"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.path);
        char buffer[MAX_PATH] = {};
        lstrcpyA(buffer, c.path);
        AppendBackslash(buffer);
        CHECK(std::string(buffer) == c.expected);
    }
}

TEST_CASE("the walk lists files and subfolders depth first with each subfolder after its contents")
{
    TempTree tree;
    tree.AddFile("a.exe");
    tree.AddFile("Sub\\b.EXE");
    tree.AddFile("Sub\\Deeper\\c.txt");
    tree.AddFile(".svn\\hidden.exe");
    tree.AddFile(".profile");
    tree.AddFile("readme.txt");
    tree.AddFolder("Empty");
    const std::string root = tree.Root();
    // Wine reports a folder's entries sorted case-insensitively.
    const std::vector<std::string> expected = {
        root + "\\.profile",
        root + "\\a.exe",
        root + "\\Empty\\",
        root + "\\readme.txt",
        root + "\\Sub\\b.EXE",
        root + "\\Sub\\Deeper\\c.txt",
        root + "\\Sub\\Deeper\\",
        root + "\\Sub\\",
    };
    for (const std::string& folder : {root, root + "\\"}) {
        CAPTURE(folder);
        BOOL ok = FALSE;
        CHECK(Collect(folder, &ok) == expected);
        CHECK(ok);
    }
}

TEST_CASE("hidden and system files are listed and a folder named like an executable is walked")
{
    TempTree tree;
    const std::string hidden = tree.AddFile("secret.exe");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree.AddFile("Tools.exe\\run.exe");
    const std::string root = tree.Root();
    CHECK(Collect(root) == std::vector<std::string>{root + "\\secret.exe",
                                                    root + "\\Tools.exe\\run.exe",
                                                    root + "\\Tools.exe\\"});
}

TEST_CASE("a name whose last byte is a 0x5C trail byte still gets its separating backslash")
{
    TempTree tree;
    // 表 is 95 5C and ソ 83 5C in code page 932.
    tree.AddFile("ソ\\表.exe");
    tree.AddFile("ソ\\表\\x.exe");
    const std::string folder = tree.Path("ソ");
    // Wine reports the folder 表 before the file 表.exe.
    CHECK(Collect(folder) == std::vector<std::string>{folder + "\\表\\x.exe", folder + "\\表\\",
                                                      folder + "\\表.exe"});
}

TEST_CASE("a drive root yields entries of the form X:\\name")
{
    TempTree tree;
    tree.AddFile("one.exe");
    tree.AddFile("Sub\\two.exe");
    // A drive of our own, mapped onto the tree through the prefix's dosdevices.
    const std::string dosdevices = UnixPathOf("C:\\") + "/../dosdevices";
    REQUIRE(RunUnixShell("ln -sfn '" + UnixPathOf(tree.Root()) + "' '" + dosdevices + "/m:'") == 0);
    const std::vector<std::string> expected = {"M:\\one.exe", "M:\\Sub\\two.exe", "M:\\Sub\\"};
    CHECK(Collect("M:\\") == expected);
    CHECK(Collect("M:") == expected);
    RunUnixShell("rm -f '" + dosdevices + "/m:'");
}

TEST_CASE("folders that cannot be searched make the walk fail")
{
    TempTree tree;
    tree.AddFile("file.exe");
    tree.AddFolder("Empty");

    SUBCASE("a folder that holds nothing but . and .. is a success with no entries")
    {
        BOOL ok = FALSE;
        CHECK(Collect(tree.Path("Empty"), &ok).empty());
        CHECK(ok);
    }
    SUBCASE("a missing folder or a file fails with nothing appended")
    {
        for (const std::string& folder : {tree.Path("Missing"), tree.Path("file.exe")}) {
            CAPTURE(folder);
            BOOL ok = TRUE;
            CHECK(Collect(folder, &ok).empty());
            CHECK_FALSE(ok);
        }
    }
    SUBCASE("one unsearchable subfolder anywhere fails the whole walk")
    {
        tree.AddFile("A\\first.exe");
        tree.AddFile("B\\Locked\\inside.exe");
        tree.AddFile("C\\last.exe");
        const std::string locked = UnixPathOf(tree.Path("B\\Locked"));
        REQUIRE(RunUnixShell("chmod 000 '" + locked + "'") == 0);
        BOOL ok = TRUE;
        Collect(tree.Root(), &ok);
        CHECK_FALSE(ok);
        RunUnixShell("chmod 755 '" + locked + "'");
    }
}

TEST_CASE("a link to a folder is walked like a folder")
{
    TempTree tree;
    tree.AddFile("Target\\t.exe");
    tree.AddFolder("Walk");
    REQUIRE(RunUnixShell("ln -s '" + UnixPathOf(tree.Path("Target")) + "' '" +
                         UnixPathOf(tree.Path("Walk")) + "/Link'") == 0);
    const std::string walk = tree.Path("Walk");
    CHECK(Collect(walk) == std::vector<std::string>{walk + "\\Link\\t.exe", walk + "\\Link\\"});
}

TEST_CASE("paths are bounded at 259 bytes and the walk fails rather than cut or drop one")
{
    TempTree tree;
    const std::string root = tree.AddFolder("L");

    SUBCASE("a file path of 259 bytes is listed")
    {
        const std::string file = PathOfLength(root, 259, ".exe");
        UnixMake("touch", file);
        BOOL ok = FALSE;
        CHECK(Collect(root, &ok) == std::vector<std::string>{file});
        CHECK(ok);
    }
    SUBCASE("a file path of 260 bytes fails the walk")
    {
        UnixMake("touch", PathOfLength(root, 260, ".exe"));
        BOOL ok = TRUE;
        Collect(root, &ok);
        CHECK_FALSE(ok);
    }
    SUBCASE("a subfolder whose search pattern fits in 259 bytes is walked")
    {
        // folder + "\" + "*" = 259 bytes
        const std::string folder = PathOfLength(root, 257);
        UnixMake("mkdir", folder);
        BOOL ok = FALSE;
        CHECK(Collect(root, &ok) == std::vector<std::string>{folder + "\\"});
        CHECK(ok);
    }
    SUBCASE("a subfolder whose search pattern would need 260 bytes fails the walk")
    {
        UnixMake("mkdir", PathOfLength(root, 258));
        BOOL ok = TRUE;
        Collect(root, &ok);
        CHECK_FALSE(ok);
    }
    SUBCASE("the folder handed in is bounded like a subfolder, whatever its length")
    {
        const std::string fits = PathOfLength(root, 257);  // its pattern: 259 bytes
        UnixMake("mkdir", fits);
        const std::string tooLong = PathOfLength(root, 258);
        UnixMake("mkdir", tooLong);
        BOOL ok = FALSE;
        CHECK(Collect(fits, &ok).empty());
        CHECK(ok);
        // The longest text a registry value can hand over, and more.
        for (const std::string& folder : {tooLong, "C:\\" + std::string(1020, 'a'), std::string(4000, 'b')}) {
            CAPTURE(folder.size());
            ok = TRUE;
            CHECK(Collect(folder, &ok).empty());
            CHECK_FALSE(ok);
        }
    }
    SUBCASE("a loop of folder links ends at the bound with a failure")
    {
        tree.AddFile("L\\Loop\\x.exe");
        REQUIRE(RunUnixShell("ln -s .. '" + UnixPathOf(tree.Path("L\\Loop")) + "/Again'") == 0);
        BOOL ok = TRUE;
        Collect(root, &ok);
        CHECK_FALSE(ok);
    }
}
