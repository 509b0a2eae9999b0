#include "InstallerRun.h"

#include "tests/app/BuiltPrograms.h"
#include "tests/app/RunningProgram.h"

#include <doctest.h>

namespace {
// A run takes well under a second; one that waits longer waits for someone.
const DWORD kTimeoutMs = 10000;
}

Installer::Installer() : m_watch(MAP_WATCH_SCRIPT) {}

Outcome Installer::Run(const std::string& args)
{
    RunningProgram program(FwExcludeExe(), args);
    const DWORD exitCode = program.WaitForExit(kTimeoutMs);
    const Outcome outcome = {exitCode, m_watch.MapsSinceLastCall()};
    // The next runs would wait as long: the test ends here.
    if (exitCode == STILL_ACTIVE)
        FAIL("FwExclude.exe " << args << ": still running after " << kTimeoutMs << " ms, windows mapped "
                              << outcome.windowsMapped);
    return outcome;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

namespace doctest {
String StringMaker<Outcome>::convert(const Outcome& outcome)
{
    const std::string code =
        outcome.exitCode == STILL_ACTIVE ? "still running" : "exit code " + std::to_string(outcome.exitCode);
    return (code + ", windows mapped " + std::to_string(outcome.windowsMapped)).c_str();
}
}  // namespace doctest
