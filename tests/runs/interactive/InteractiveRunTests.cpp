// The interactive run of FwExclude.exe, as a person meets it: the program
// started without parameters, the start button clicked, the message box
// read and answered, the dialog closed. Everything is driven from this
// process through the window API; the firewall lists are read back from
// the registry.
#include <doctest.h>

#include "MessageBoxReading.h"
#include "ProgramSession.h"
#include "SampleInstallation.h"
#include "tests/support/Printers.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

BoxContents Summary(int count)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d 個のファイルを処理しました。", count);
    return {text, "処理完了", IconKind::Information};
}

const BoxContents kNotXpBox = {"WindowsXP以外では実行できません。", "OS不正", IconKind::Error};
const BoxContents kNoFolderBox = {"指定のフォルダは存在しません。", "フォルダ指定不正", IconKind::Error};

// A value another program keeps in both lists.
const RegValue kForeignEntry = {"C:\\Other\\tool.exe", REG_SZ,
                                std::string("C:\\Other\\tool.exe:*:Enabled:Other tool", 40)};

void SeedForeignEntry()
{
    SetRawValue(HKEY_LOCAL_MACHINE, kStandardList, kForeignEntry.name, REG_SZ, kForeignEntry.data);
    SetRawValue(HKEY_LOCAL_MACHINE, kDomainList, kForeignEntry.name, REG_SZ, kForeignEntry.data);
}

std::vector<RegValue> WithForeignEntry(std::vector<RegValue> entries)
{
    entries.push_back(kForeignEntry);
    return SortedByName(entries);
}

}  // namespace

TEST_CASE("A click with an empty path field processes every registry source and reports the count")
{
    const struct {
        const char* machine;
        std::function<std::unique_ptr<EmptyMachine>()> make;
        DWORD exitCode;  // the last failing lookup's code, if any
    } cases[] = {
        {"every source present", [] { return std::make_unique<SampleInstallation>(); }, 0},
        {"no source present", [] { return std::make_unique<EmptyMachine>(); }, 4},
        // The lookups that fail after MNX must not walk MNX's folder again.
        {"only the main product",
         [] { return std::make_unique<SampleInstallation>(std::vector<std::string>{"MNX"}); }, 4},
    };
    for (const auto& c : cases) {
        INFO(c.machine);
        const std::unique_ptr<EmptyMachine> machine = c.make();
        SeedForeignEntry();
        ProgramSession session;
        REQUIRE(session.Dialog());

        HWND box = session.ClickStart();
        REQUIRE(box);
        // Each source's walk counts: what two sources share counts twice.
        CHECK(ReadBox(box) == Summary(machine->ExecutablesCounted()));
        // Every lookup and walk is done before the summary shows.
        CHECK(session.LiveStatus() == static_cast<int>(c.exitCode));
        const std::vector<RegValue> expected = WithForeignEntry(machine->Entries());
        CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
        CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);

        REQUIRE(PressOk(box, 5000));
        CHECK(session.NoBoxFollows());
        CHECK(session.StillRunning());  // the dialog stays open
        CHECK(session.Close() == c.exitCode);
    }
}

TEST_CASE("Two clicks in a row show the same count and leave the same lists")
{
    SampleInstallation machine;
    ProgramSession session;
    REQUIRE(session.Dialog());

    const BoxContents first = session.ClickStartAndAnswer();
    const std::vector<RegValue> standardAfterFirst = FirewallListsFixture::Standard();
    const std::vector<RegValue> domainAfterFirst = FirewallListsFixture::Domain();
    const BoxContents second = session.ClickStartAndAnswer();

    CHECK(first == Summary(machine.ExecutablesCounted()));
    CHECK(second == first);
    CHECK(SortedByName(standardAfterFirst) == machine.Entries());
    CHECK(FirewallListsFixture::Standard() == standardAfterFirst);
    CHECK(FirewallListsFixture::Domain() == domainAfterFirst);
    CHECK(session.Close() == 0);
}

TEST_CASE("On another Windows version the error box comes first then the status 1 and nothing is written")
{
    SampleInstallation machine;
    for (const char* version : {"win7", "win2k"}) {
        INFO(version);
        WindowsVersionOverride notXp(version);
        ProgramSession session;
        REQUIRE(session.Dialog());

        HWND box = session.ClickStart();
        REQUIRE(box);
        CHECK(ReadBox(box) == kNotXpBox);
        CHECK(session.LiveStatus() == 0);  // not yet: the box comes first

        REQUIRE(PressOk(box, 5000));
        CHECK(session.WaitForLiveStatus(1));
        CHECK(session.NoBoxFollows());  // no summary
        CHECK(FirewallListsFixture::Standard().empty());
        CHECK(FirewallListsFixture::Domain().empty());
        CHECK(session.StillRunning());
        CHECK(session.Close() == 1);
    }
}

TEST_CASE("A path in the path field is processed alone or refused with the folder error")
{
    // The registry names no install folder: a lookup would record its code.
    TempTree tree;
    tree.AddFile("Tools\\App.exe");
    tree.AddFile("Tools\\bin\\Helper.EXE");
    tree.AddFile("Tools\\readme.txt");
    tree.AddFile("ソフト\\ソフト.exe");  // ソ ends in the byte 0x5C

    const struct {
        const char* field;  // relative to the tree
        bool isFolder;      // false: the folder error, no summary
        std::vector<std::string> written;
    } cases[] = {
        {"Tools", true, {"Tools\\App.exe", "Tools\\bin\\Helper.EXE"}},
        {"Tools\\", true, {"Tools\\App.exe", "Tools\\bin\\Helper.EXE"}},
        {"ソフト", true, {"ソフト\\ソフト.exe"}},
        {"Missing", false, {}},
        {"Tools\\App.exe", false, {}},
    };
    for (const auto& c : cases) {
        INFO(Escaped(c.field));
        EmptyMachine machine;
        std::vector<RegValue> expected;
        for (const std::string& file : c.written) expected.push_back(AuthorizationEntry(tree.Path(file)));
        expected = SortedByName(expected);

        ProgramSession session;
        REQUIRE(session.Dialog());
        session.SetPathField(tree.Path(c.field));

        const BoxContents box = session.ClickStartAndAnswer();
        CHECK(box == (c.isFolder ? Summary(static_cast<int>(expected.size())) : kNoFolderBox));
        CHECK(session.NoBoxFollows());
        CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
        CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);
        // No lookup ran, and the folder error records nothing.
        CHECK(session.Close() == 0);
    }
}
