// The dialog's painting while it is minimised: its icon, centred by the
// client area's size with the rounding of (client - icon + 1) / 2,
// truncated toward zero. A minimised window has no client area here, as on
// Windows, so the tests give the dialog the minimised style while it keeps
// its size, with its controls hidden as they are when minimised. The paint
// device context of a minimised window covers the whole window, so the
// icon's position counts from the window's corner; the pixels compared are
// those of the client area, the part of the window that Wine draws itself.
#include <doctest.h>

#include "CommandLineOverride.h"
#include "ShownDialog.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> bits;  // top-down rows, 0x00RRGGBB

    uint32_t At(int x, int y) const { return bits[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
};

// A 32-bit top-down bitmap of the given size, drawn by `draw`.
template <typename Draw>
Pixels Render(int width, int height, Draw draw)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory);
    GdiFlush();
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    const uint32_t* words = static_cast<const uint32_t*>(bits);
    pixels.bits.assign(words, words + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

Pixels CaptureWindow(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    return Render(frame.right - frame.left, frame.bottom - frame.top, [&](HDC memory) {
        HDC screen = GetWindowDC(window);
        BitBlt(memory, 0, 0, frame.right - frame.left, frame.bottom - frame.top, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    });
}

// How many of the icon's opaque pixels, were it drawn at (x, y), the
// capture of the window shows within the area `visible`.
struct IconMatch {
    int opaque = 0;
    int matching = 0;
};

IconMatch MatchIconAt(const Pixels& capture, const RECT& visible, HICON icon, int x, int y)
{
    auto drawOn = [&](COLORREF background) {
        return Render(capture.width, capture.height, [&](HDC memory) {
            HBRUSH brush = CreateSolidBrush(background);
            RECT all = {0, 0, capture.width, capture.height};
            FillRect(memory, &all, brush);
            DeleteObject(brush);
            DrawIcon(memory, x, y, icon);
        });
    };
    const Pixels onBlack = drawOn(RGB(0, 0, 0));
    const Pixels onWhite = drawOn(RGB(255, 255, 255));
    IconMatch match;
    for (int row = 0; row < capture.height; ++row) {
        for (int column = 0; column < capture.width; ++column) {
            // Where both backgrounds give the same colour, the icon is opaque.
            if (onBlack.At(column, row) != onWhite.At(column, row)) continue;
            const bool insideIcon = column >= x && column < x + 32 && row >= y && row < y + 32;
            const POINT at = {column, row};
            if (!insideIcon || !PtInRect(&visible, at)) continue;
            ++match.opaque;
            if (capture.At(column, row) == onBlack.At(column, row)) ++match.matching;
        }
    }
    return match;
}

void SetClientSize(HWND window, int width, int height)
{
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetMinimisedStyle(HWND window)
{
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_MINIMIZE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

TEST_CASE("A minimised dialog paints its icon centred with the stated rounding")
{
    struct Case {
        int width, height;
    };
    // Even sizes; odd sizes, where the + 1 rounds up; and a client area
    // narrower than the icon, where the division truncates toward zero
    // (-11 / 2 is -5, not -6).
    const Case cases[] = {{300, 100}, {301, 101}, {20, 100}};
    CommandLineOverride noParameters({});
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    REQUIRE(icon);
    REQUIRE(GetSystemMetrics(SM_CXICON) == 32);
    REQUIRE(GetSystemMetrics(SM_CYICON) == 32);

    for (const Case& size : cases) {
        CAPTURE(size.width);
        CAPTURE(size.height);
        Pixels iconic, normal;
        RECT client = {};
        RECT clientInWindow = {};  // the client area in window coordinates
        ShownDialog dialog([&](HWND window) {
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                ShowWindow(child, SW_HIDE);
            SetClientSize(window, size.width, size.height);
            GetClientRect(window, &client);
            RECT frame;
            GetWindowRect(window, &frame);
            POINT origin = {0, 0};
            ClientToScreen(window, &origin);
            clientInWindow = client;
            OffsetRect(&clientInWindow, origin.x - frame.left, origin.y - frame.top);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            normal = CaptureWindow(window);
            // (The style cannot be taken back: the dialog ends minimised.)
            SetMinimisedStyle(window);
            iconic = CaptureWindow(window);
        });
        REQUIRE(dialog.RunUntilShown());
        REQUIRE(client.right == size.width);
        REQUIRE(client.bottom == size.height);

        const int x = (size.width - 32 + 1) / 2;
        const int y = (size.height - 32 + 1) / 2;
        const IconMatch atCentre = MatchIconAt(iconic, clientInWindow, icon, x, y);
        CHECK(atCentre.opaque > 300);
        CHECK(atCentre.matching == atCentre.opaque);
        // One pixel off in either direction does not match: the position is exact.
        for (const POINT off : {POINT{x - 1, y}, POINT{x + 1, y}, POINT{x, y - 1}, POINT{x, y + 1}}) {
            const IconMatch shifted = MatchIconAt(iconic, clientInWindow, icon, off.x, off.y);
            CHECK(shifted.matching < shifted.opaque);
        }
        // Not minimised, the dialog paints as usual, without the icon.
        const IconMatch whenNormal = MatchIconAt(normal, clientInWindow, icon, x, y);
        CHECK(whenNormal.matching < whenNormal.opaque / 2);
    }
}
