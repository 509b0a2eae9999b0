// The exclusion dialog in this process: its icons, and its path field,
// which takes the path of the first item dropped on it.
#include <doctest.h>

#include "CommandLineOverride.h"
#include "ShownDialog.h"
#include "res/resource.h"

#include <windows.h>

#include <cstring>
#include <iterator>
#include <shlobj.h>
#include <string>
#include <vector>

namespace {

// A drop as the shell hands it over: a DROPFILES block with ANSI names.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& path : paths) names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string TextOf(HWND window)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace

TEST_CASE("The dialog shows the program icon and its path field takes drops")
{
    CommandLineOverride noParameters({});
    HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    REQUIRE(programIcon);
    LRESULT big = 0, small = 0, dragIcon = 0;
    LONG fieldExStyle = 0;
    ShownDialog dialog([&](HWND window) {
        big = SendMessageA(window, WM_GETICON, ICON_BIG, 0);
        small = SendMessageA(window, WM_GETICON, ICON_SMALL, 0);
        dragIcon = SendMessageA(window, WM_QUERYDRAGICON, 0, 0);
        fieldExStyle = GetWindowLongA(GetDlgItem(window, IDC_DROP_PATH), GWL_EXSTYLE);
    });
    REQUIRE(dialog.RunUntilShown());
    CHECK(big == reinterpret_cast<LRESULT>(programIcon));
    CHECK(small == reinterpret_cast<LRESULT>(programIcon));
    CHECK(dragIcon == reinterpret_cast<LRESULT>(programIcon));
    CHECK((fieldExStyle & WS_EX_ACCEPTFILES) != 0);
}

TEST_CASE("A drop inserts the first dropped path at the caret of the path field")
{
    const std::string longPath = "C:\\" + std::string(1500, 'x');
    struct Case {
        const char* what;
        std::string before;
        int selectionStart, selectionEnd;  // -1: caret at the end
        std::vector<std::string> dropped;
        std::string after;
    };
    const Case cases[] = {
        {"into an empty field", "", -1, -1, {"C:\\TAVIRON\\Orvo"}, "C:\\TAVIRON\\Orvo"},
        {"several items", "", -1, -1, {"C:\\First", "C:\\Second", "C:\\Third"}, "C:\\First"},
        {"after a path", "C:\\First", -1, -1, {"C:\\Second"}, "C:\\FirstC:\\Second"},
        {"over a selection", "C:\\First\\Old\\End", 9, 12, {"New"}, "C:\\First\\New\\End"},
        {"at the caret", "C:\\Tail", 0, 0, {"D:\\Head"}, "D:\\HeadC:\\Tail"},
        {"a path in code page 932", "", -1, -1, {"C:\\ソフト\\表示"}, "C:\\ソフト\\表示"},
        {"a path beyond 1023 bytes", "", -1, -1, {longPath}, longPath.substr(0, 1023)},
        {"nothing to insert", "C:\\Keep\\Drop", 7, 12, {}, "C:\\Keep"},
    };
    CommandLineOverride noParameters({});
    std::vector<std::string> results;
    ShownDialog dialog([&](HWND window) {
        HWND field = GetDlgItem(window, IDC_DROP_PATH);
        for (const Case& c : cases) {
            SetWindowTextA(field, c.before.c_str());
            const int end = static_cast<int>(c.before.size());
            SendMessageA(field, EM_SETSEL, c.selectionStart < 0 ? end : c.selectionStart,
                         c.selectionEnd < 0 ? end : c.selectionEnd);
            SendMessageA(field, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.dropped)), 0);
            results.push_back(TextOf(field));
        }
    });
    REQUIRE(dialog.RunUntilShown());
    REQUIRE(results.size() == std::size(cases));
    for (size_t i = 0; i < results.size(); ++i) {
        CAPTURE(cases[i].what);
        CHECK(results[i] == cases[i].after);
    }
}
