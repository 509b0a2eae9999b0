// FwExclude.exe as a person meets it: started without parameters it shows
// its dialog; closing it ends the process with exit code 0.
#include <doctest.h>

#include "BuiltPrograms.h"
#include "RunningProgram.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

const DWORD kTimeoutMs = 15000;

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

bool WaitForForeground(HWND window)
{
    for (int waited = 0; waited < 5000; waited += 20) {
        if (GetForegroundWindow() == window) return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

TEST_CASE("Without parameters the dialog appears centred with the start button focused")
{
    RunningProgram program(FwExcludeExe(), "");
    HWND dialog = program.WaitForVisibleWindow(kTimeoutMs);
    REQUIRE(dialog);

    char className[64] = {};
    GetClassNameA(dialog, className, sizeof className);
    CHECK(std::string(className) == "#32770");
    CHECK(WindowText(dialog) == L"ファイアウォール対象除外");
    CHECK(program.TopLevelWindows().size() >= 1);
    int visible = 0;
    for (HWND window : program.TopLevelWindows()) visible += IsWindowVisible(window) ? 1 : 0;
    CHECK(visible == 1);

    // The template places it at 0, 0; the framework centres it on the screen.
    RECT work, frame;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(dialog, &frame);
    CHECK(std::abs((frame.left - work.left) - (work.right - frame.right)) <= 1);
    CHECK(std::abs((frame.top - work.top) - (work.bottom - frame.bottom)) <= 1);

    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    REQUIRE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread));
    CHECK(thread.hwndFocus == GetDlgItem(dialog, IDC_START));
    CHECK(IsWindowVisible(GetDlgItem(dialog, IDC_START)));
    CHECK_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_DROP_PATH)));

    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(program.WaitForExit(kTimeoutMs) == 0);
}

TEST_CASE("Closing the dialog by the close box or Escape ends the process with 0")
{
    struct Case {
        const char* way;
        void (*close)(HWND dialog);
    };
    const Case cases[] = {
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
    };
    for (const Case& c : cases) {
        CAPTURE(c.way);
        RunningProgram program(FwExcludeExe(), "");
        HWND dialog = program.WaitForVisibleWindow(kTimeoutMs);
        REQUIRE(dialog);
        REQUIRE(WaitForForeground(dialog));
        c.close(dialog);
        CHECK(program.WaitForExit(kTimeoutMs) == 0);
    }
}

TEST_CASE("F1 in the dialog opens nothing and changes nothing")
{
    RunningProgram program(FwExcludeExe(), "");
    HWND dialog = program.WaitForVisibleWindow(kTimeoutMs);
    REQUIRE(dialog);
    REQUIRE(WaitForForeground(dialog));
    const auto windowsBefore = VisibleTopLevelWindows();
    RECT before, after;
    GetWindowRect(dialog, &before);

    PressKey(VK_F1);
    Sleep(2000);  // time for a help window or an error box to appear

    CHECK(VisibleTopLevelWindows() == windowsBefore);
    CHECK(GetForegroundWindow() == dialog);
    GetWindowRect(dialog, &after);
    CHECK(EqualRect(&before, &after));
    CHECK(program.WaitForExit(0) == STILL_ACTIVE);

    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(program.WaitForExit(kTimeoutMs) == 0);
}

TEST_CASE("With parameters the program ends by itself with the run's exit status")
{
    // The test registry names no install folder.
    const struct {
        const char* args;
        int exitCode;
    } runs[] = {{"TLQ", 0}, {"MNX", 2}, {"MNX C:\\TAVIRON", 6}, {"\"\"", 12}};
    for (const auto& run : runs) {
        INFO(std::string(run.args));
        RunningProgram program(FwExcludeExe(), run.args);
        CHECK(program.WaitForExit(kTimeoutMs) == run.exitCode);
    }
}
