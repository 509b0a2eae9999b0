// The firewall lists as other programs and the system leave them: foreign
// values, and a list that cannot be written.
#include <doctest.h>

#include "InstallerRun.h"
#include "RunCases.h"
#include "tests/support/Printers.h"

#include <string>

namespace {

RegValue Foreign(const std::string& name, DWORD type, const std::string& data)
{
    return {name, type, data};
}

std::string WithNul(const std::string& text)
{
    return std::string(text.c_str(), text.size() + 1);
}

}  // namespace

TEST_CASE("Values that other programs keep in the lists stay untouched")
{
    Installer installer;
    ProductInstallation installation;
    installation.Register(kAllRegistered);
    const std::vector<RegValue> foreign = {
        Foreign("C:\\Program Files\\Other\\other.exe", REG_SZ,
                WithNul("C:\\Program Files\\Other\\other.exe:*:Enabled:Other")),
        Foreign("C:\\Tools\\off.exe", REG_SZ, WithNul("C:\\Tools\\off.exe:LocalSubNet:Disabled:Off")),
        Foreign("C:\\ソフト\\表示.exe", REG_SZ, WithNul("C:\\ソフト\\表示.exe:*:Enabled:表示")),
        // A name that our folder begins with, and one that is our folder.
        Foreign(installation.Folder(kMain).substr(0, installation.Folder(kMain).size() - 1), REG_SZ,
                WithNul("prefix")),
        Foreign(installation.Folder(kMain), REG_SZ, WithNul("folder")),
        Foreign("", REG_SZ, WithNul("the key's default value")),
        Foreign("Count", REG_DWORD, std::string("\x2A\0\0\0", 4)),
        Foreign("Expand", REG_EXPAND_SZ, WithNul("%SystemRoot%\\x.exe")),
        Foreign("Bytes", REG_BINARY, std::string("\0\x01\xFF", 3)),
    };
    for (const char* list : {kStandardList, kDomainList})
        for (const RegValue& value : foreign) SetRawValue(HKEY_LOCAL_MACHINE, list, value.name, value.type, value.data);

    // Runs one after another, each adding its entries to what is there.
    const struct {
        const char* args;
        DWORD exitCode;
        std::vector<Source> processedSoFar;
    } runs[] = {
        {"MNX", 0, {kMain}},
        {"MNXL", 0, {kMain, kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa}},
        {"XYZ <given>", 0, {kMain, kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa, kGiven}},
        {"MNX <missing>", 6, {kMain, kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa, kGiven}},
        {"mnx", 0, {kMain, kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa, kGiven}},
    };
    for (const auto& run : runs) {
        const std::string args = ExpandedArgs(run.args, installation);
        CAPTURE(args);
        const Outcome outcome = installer.Run(args);
        CHECK(outcome == Unseen(run.exitCode));
        std::vector<RegValue> expected = installation.EntriesOf(run.processedSoFar);
        expected.insert(expected.end(), foreign.begin(), foreign.end());
        expected = SortedByName(expected);
        CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
        CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);
    }
}

TEST_CASE("A list that refuses writes makes the exit code 13 and the other list is written")
{
    const std::vector<Source> withoutTerminalSet = {kLegacyList, kBasicSet, kZpb, kZpa};
    const struct {
        const char* refused;
        const char* written;
        const char* args;
        std::vector<Source> registered;
        DWORD exitCode;
        std::vector<Source> processed;
        void (*alter)(ProductInstallation&);
    } cases[] = {
        {kStandardList, kDomainList, "MNX", kAllRegistered, 13, {kMain}, nullptr},
        {kDomainList, kStandardList, "XYZ <given>", {}, 13, {kGiven}, nullptr},
        // 13 comes after the code of a failed legacy source (9) ...
        {kDomainList, kStandardList, "MNXL", withoutTerminalSet, 13, withoutTerminalSet, nullptr},
        // ... and before that of a later failed walk (6).
        {kStandardList, kDomainList, "MNXL", withoutTerminalSet, 6, {kLegacyList, kBasicSet, kZpb},
         [](ProductInstallation& i) { i.Name(kZpa, i.Missing()); }},
        // Nothing to write, nothing refused.
        {kStandardList, kDomainList, "TLQ", kAllRegistered, 0, {}, nullptr},
    };
    Installer installer;
    ProductInstallation installation;
    for (const auto& c : cases) {
        const std::string args = ExpandedArgs(c.args, installation);
        const std::string refused = c.refused;
        CAPTURE(args);
        CAPTURE(refused);
        installation.Reset();
        installation.Register(c.registered);
        if (c.alter) c.alter(installation);
        installation.RefuseWrites(c.refused);

        const Outcome outcome = installer.Run(args);
        CHECK(outcome == Unseen(c.exitCode));
        CHECK(ReadAllValues(HKEY_LOCAL_MACHINE, c.refused).empty());
        CHECK(SortedByName(ReadAllValues(HKEY_LOCAL_MACHINE, c.written)) == installation.EntriesOf(c.processed));
    }
}
