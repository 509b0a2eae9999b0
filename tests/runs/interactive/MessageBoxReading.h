// Message boxes of another process, read from outside: their text and
// caption through the window API, their icon from the screen's pixels
// (icon handles mean nothing in another process).
#pragma once

#include <doctest.h>
#include <windows.h>

#include <string>
#include <vector>

enum class IconKind { None, Error, Information, Unknown };

struct BoxContents {
    std::string text;     // code page 932, as the program wrote it
    std::string caption;
    IconKind icon;

    bool operator==(const BoxContents& other) const
    {
        return text == other.text && caption == other.caption && icon == other.icon;
    }
};

// The visible message boxes that the window owns.
std::vector<HWND> BoxesOwnedBy(HWND owner);

// The first visible box the window owns, or null after the timeout.
HWND WaitForBoxOwnedBy(HWND owner, DWORD timeoutMs);

// Text, caption and icon kind; waits for the icon to be drawn.
BoxContents ReadBox(HWND box);

// Clicks the box's OK button; true once the box is gone.
bool PressOk(HWND box, DWORD timeoutMs);

namespace doctest {
template <>
struct StringMaker<BoxContents> {
    static String convert(const BoxContents& box);
};
}  // namespace doctest
