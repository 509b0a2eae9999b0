#include <doctest.h>

#include "firewall/CollectFiles.h"
#include "tests/support/TempTree.h"

#include <vector>
#include <windows.h>

TEST_CASE("probe: unix shell from wine")
{
    TempTree tree;
    tree.AddFile("a.exe");
    CHECK(RunUnixShell("test -f '" + UnixPathOf(tree.Path("a.exe")) + "'") == 0);
    CHECK(RunUnixShell("exit 3") == 3);
}
