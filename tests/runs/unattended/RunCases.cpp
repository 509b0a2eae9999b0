#include "RunCases.h"

#include "InstallerRun.h"
#include "tests/support/Printers.h"

#include <doctest.h>

namespace {

void Replace(std::string& text, const std::string& placeholder, const std::string& value)
{
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

}  // namespace

std::string ExpandedArgs(const char* args, const ProductInstallation& installation)
{
    std::string expanded = args;
    Replace(expanded, "<given>", Quoted(installation.Folder(kGiven)));
    Replace(expanded, "<missing>", Quoted(installation.Missing()));
    Replace(expanded, "<file>", Quoted(installation.AFile()));
    return expanded;
}

void CheckRunCases(const std::vector<RunCase>& cases)
{
    Installer installer;
    ProductInstallation installation;
    for (const RunCase& c : cases) {
        const std::string args = ExpandedArgs(c.args, installation);
        CAPTURE(args);
        const std::string windows = c.windows ? c.windows : "XP";
        CAPTURE(windows);
        installation.Reset();
        installation.Register(c.registered);
        if (c.alter) c.alter(installation);
        if (c.windows) installation.ReportWindows(c.windows);

        const Outcome outcome = installer.Run(args);
        CHECK(outcome == Unseen(c.exitCode));
        const std::vector<RegValue> expected = installation.EntriesOf(c.processed);
        CHECK(SortedByName(FirewallListsFixture::Standard()) == expected);
        CHECK(SortedByName(FirewallListsFixture::Domain()) == expected);
    }
}
