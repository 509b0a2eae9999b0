#include "MessageBoxReading.h"

#include <cstdint>

namespace {

// Control ids in a message box under Wine: the text as on Windows, the
// icon not (Windows uses 0x14).
const int kTextControlId = 0xFFFF;
const int kIconControlId = 0x440;

struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwnedBox(HWND window, LPARAM context)
{
    OwnedSearch* search = reinterpret_cast<OwnedSearch*>(context);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        std::string(className) == "#32770")
        search->found.push_back(window);
    return TRUE;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    if (window) GetWindowTextA(window, text, sizeof text);
    return text;
}

// The child with the control id, compared as the 16-bit id a template holds.
HWND ControlOf(HWND box, int id)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetDlgCtrlID(child) & 0xFFFF) == id) return child;
    return nullptr;
}

// The icon's colour as drawn on the screen: Wine's error icon is a red
// disc, its information icon a blue one, both with a white sign.
IconKind IconKindOnScreen(HWND icon)
{
    RECT area;
    GetWindowRect(icon, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return IconKind::Unknown;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();

    int red = 0, blue = 0;
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    for (int index = 0; index < width * height; ++index) {
        const int r = (pixels[index] >> 16) & 0xFF, g = (pixels[index] >> 8) & 0xFF,
                  b = pixels[index] & 0xFF;
        if (r >= 160 && g <= 100 && b <= 100) ++red;
        if (b >= 160 && r <= 100 && g <= 160) ++blue;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    // A quarter of the area in one colour and almost none of the other.
    const int enough = width * height / 4, stray = width * height / 50;
    if (red >= enough && blue <= stray) return IconKind::Error;
    if (blue >= enough && red <= stray) return IconKind::Information;
    return IconKind::Unknown;
}

const char* NameOf(IconKind kind)
{
    switch (kind) {
        case IconKind::None: return "no icon";
        case IconKind::Error: return "error icon";
        case IconKind::Information: return "information icon";
        default: return "unrecognised icon";
    }
}

// Code page 932 text as UTF-8, for a failure report on a UTF-8 terminal.
std::string Utf8Of(const std::string& text)
{
    wchar_t wide[1024] = {};
    MultiByteToWideChar(932, 0, text.c_str(), -1, wide, 1024);
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

}  // namespace

std::vector<HWND> BoxesOwnedBy(HWND owner)
{
    OwnedSearch search = {owner, {}};
    EnumWindows(&CollectOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForBoxOwnedBy(HWND owner, DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 20) {
        const std::vector<HWND> boxes = BoxesOwnedBy(owner);
        if (!boxes.empty()) return boxes.front();
        if (waited >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

BoxContents ReadBox(HWND box)
{
    BoxContents contents = {TextOf(ControlOf(box, kTextControlId)), TextOf(box), IconKind::None};
    HWND icon = ControlOf(box, kIconControlId);
    if (!icon || !IsWindowVisible(icon)) return contents;
    // The box may not be painted yet.
    for (int waited = 0; waited < 5000; waited += 50) {
        contents.icon = IconKindOnScreen(icon);
        if (contents.icon != IconKind::Unknown) break;
        Sleep(50);
    }
    return contents;
}

bool PressOk(HWND box, DWORD timeoutMs)
{
    // Posted: the box's own loop handles the click.
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (!IsWindow(box)) return true;
        Sleep(20);
    }
    return !IsWindow(box);
}

namespace doctest {
String StringMaker<BoxContents>::convert(const BoxContents& box)
{
    return ("box \"" + Utf8Of(box.text) + "\" captioned \"" + Utf8Of(box.caption) + "\" with " +
            NameOf(box.icon))
        .c_str();
}
}  // namespace doctest
