// Multibyte string in the process's ANSI code page (code page 932 here).
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }

    operator LPCSTR() const { return m_text.c_str(); }

    CString& operator=(const char* text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator+=(const char* text)
    {
        if (text) m_text += text;
        return *this;
    }

    // printf-style formatting into storage sized to fit the result.
    void Format(const char* format, ...);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};
