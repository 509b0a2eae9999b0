// The control for every "no window mapped" check of these tests: the watch
// does see the program's dialog when it is shown.
#include <doctest.h>

#include "InstallerRun.h"
#include "tests/app/BuiltPrograms.h"
#include "tests/app/RunningProgram.h"

TEST_CASE("The map watch sees the dialog of a run without parameters")
{
    Installer installer;
    {
        RunningProgram program(FwExcludeExe(), "");
        HWND dialog = program.WaitForVisibleWindow(15000);
        REQUIRE(dialog);
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(program.WaitForExit(15000) == 0);
    }
    CHECK(installer.Watch().MapsSinceLastCall() >= 1);
}
