#include <doctest.h>

#include "discovery/Environment.h"
#include "tests/support/Printers.h"
#include "tests/support/TempTree.h"

#include <direct.h>

#include <cctype>
#include <string>

namespace {

OSVERSIONINFOA Version(DWORD platform, DWORD major, DWORD minor, DWORD build, const char* servicePack)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = platform;
    version.dwMajorVersion = major;
    version.dwMinorVersion = minor;
    version.dwBuildNumber = build;
    lstrcpynA(version.szCSDVersion, servicePack, sizeof version.szCSDVersion);
    return version;
}

// A version query that counts its calls and answers from a script.
int g_queries = 0;
OSVERSIONINFOA g_answer;
BOOL g_answerResult = TRUE;

BOOL WINAPI ScriptedQuery(LPOSVERSIONINFOA record)
{
    ++g_queries;
    if (!g_answerResult) return FALSE;
    *record = g_answer;
    return TRUE;
}

}  // namespace

TEST_CASE("IsWindowsXPVersion: platform NT 5.1 only")
{
    struct Row {
        const char* what;
        OSVERSIONINFOA version;
        BOOL expected;
    };
    const Row rows[] = {
        {"XP without service pack", Version(2, 5, 1, 2600, ""), TRUE},
        {"XP SP2", Version(2, 5, 1, 2600, "Service Pack 2"), TRUE},
        {"XP SP3, another build", Version(2, 5, 1, 2700, "Service Pack 3"), TRUE},
        {"2000", Version(2, 5, 0, 2195, "Service Pack 4"), FALSE},
        {"Server 2003 or XP x64", Version(2, 5, 2, 3790, "Service Pack 2"), FALSE},
        {"Vista", Version(2, 6, 0, 6000, ""), FALSE},
        {"7", Version(2, 6, 1, 7601, "Service Pack 1"), FALSE},
        {"NT 4", Version(2, 4, 0, 1381, "Service Pack 6"), FALSE},
        {"98", Version(1, 4, 10, 2222, " A "), FALSE},
        {"platform 1 claiming 5.1", Version(1, 5, 1, 2600, ""), FALSE},
        {"nothing known", OSVERSIONINFOA{}, FALSE},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.what));
        CHECK(IsWindowsXPVersion(row.version) == row.expected);
    }
}

TEST_CASE("IsWindowsXP asks for the version once")
{
    SUBCASE("the first answer stands")
    {
        OSVERSIONINFOA record = {};
        g_queries = 0;
        g_answerResult = TRUE;
        g_answer = Version(2, 5, 1, 2600, "Service Pack 2");
        CHECK(IsWindowsXPOnRecord(record, ScriptedQuery));
        CHECK(record.dwOSVersionInfoSize == 148);
        g_answer = Version(2, 6, 1, 7601, "");
        CHECK(IsWindowsXPOnRecord(record, ScriptedQuery));
        CHECK(g_queries == 1);
    }
    SUBCASE("a failed query is not repeated")
    {
        OSVERSIONINFOA record = {};
        g_queries = 0;
        g_answerResult = FALSE;
        CHECK_FALSE(IsWindowsXPOnRecord(record, ScriptedQuery));
        g_answerResult = TRUE;
        g_answer = Version(2, 5, 1, 2600, "");
        CHECK_FALSE(IsWindowsXPOnRecord(record, ScriptedQuery));
        CHECK(g_queries == 1);
    }
}

TEST_CASE("IsWindowsXP is TRUE in the test prefix")
{
    CHECK(IsWindowsXP());
    CHECK(IsWindowsXP());
}

namespace {

std::string CurrentDirectory()
{
    char directory[MAX_PATH];
    return _getcwd(directory, sizeof directory) ? directory : "(none)";
}

// The same folder seen through drive Z:, which maps the Unix root.
std::string OnDriveZ(const std::string& path)
{
    std::string mapped = "Z:" + UnixPathOf(path);
    for (char& c : mapped)
        if (c == '/') c = '\\';
    return mapped;
}

// A path of exactly the given length that names the folder: the gap is
// filled with backslashes, which the system reads as one.
std::string PaddedTo(size_t length, const std::string& folder)
{
    const size_t cut = folder.find_last_of('\\');
    return folder.substr(0, cut) + std::string(length - folder.size(), '\\') + folder.substr(cut);
}

// Folders to test against and to start from; the current directory of the
// process is put back at the end.
struct FolderFixture {
    FolderFixture() : m_original(CurrentDirectory())
    {
        m_here = m_tree.AddFolder("Here");
        m_there = m_tree.AddFolder("There");
        m_tree.AddFolder("There\\Deeper");
        m_file = m_tree.AddFile("There\\file.txt");
    }
    ~FolderFixture() { _chdir(m_original.c_str()); }

    TempTree m_tree;
    std::string m_original;
    std::string m_here, m_there, m_file;
};

}  // namespace

TEST_CASE_FIXTURE(FolderFixture, "FolderExists answers and leaves the current drive and directory")
{
    std::string smallLetter = m_there;
    smallLetter[0] = static_cast<char>(std::tolower(smallLetter[0]));
    const std::string otherDrive = OnDriveZ(m_there);
    struct Row {
        const char* what;
        std::string path;
        BOOL expected;
    };
    const Row rows[] = {
        {"existing folder", m_there, TRUE},
        {"with a trailing backslash", m_there + "\\", TRUE},
        {"missing folder", m_tree.Path("Nowhere"), FALSE},
        {"a file", m_file, FALSE},
        {"small drive letter", smallLetter, TRUE},
        {"the other drive", otherDrive, TRUE},
        {"the other drive, small letter", "z" + otherDrive.substr(1), TRUE},
        {"drive C alone", "C:", TRUE},
        {"drive z alone", "z:", TRUE},
        {"a drive that does not exist", "Q:\\", FALSE},
        {"a digit before the colon", "1:\\", FALSE},
        {"the byte before A", "@:", FALSE},
        {"relative", "..\\There\\Deeper", TRUE},
        {"relative, missing here", "Deeper", FALSE},
        {"the current drive's root", "\\", TRUE},
        {"259 bytes", PaddedTo(259, m_there), TRUE},
        {"260 bytes", PaddedTo(260, m_there), FALSE},
        {"400 bytes", PaddedTo(400, m_there), FALSE},
    };
    for (const std::string& start : {m_here, OnDriveZ(m_here)}) {
        REQUIRE(_chdir(start.c_str()) == 0);
        const int drive = _getdrive();
        const std::string directory = CurrentDirectory();
        for (const Row& row : rows) {
            INFO("from ", directory, ": ", std::string(row.what), " ", Escaped(row.path.substr(0, 80)));
            CHECK(FolderExists(row.path.c_str()) == row.expected);
            CHECK(_getdrive() == drive);
            CHECK(CurrentDirectory() == directory);
        }
    }
}

TEST_CASE_FIXTURE(FolderFixture, "FolderExists is FALSE for a folder the process may not enter")
{
    const std::string locked = m_tree.AddFolder("Locked");
    REQUIRE(RunUnixShell("chmod 000 '" + UnixPathOf(locked) + "'") == 0);
    REQUIRE(_chdir(m_here.c_str()) == 0);
    CHECK_FALSE(FolderExists(locked.c_str()));
    CHECK(CurrentDirectory() == m_here);
    RunUnixShell("chmod 755 '" + UnixPathOf(locked) + "'");
}
