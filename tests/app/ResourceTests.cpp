// The resources of the built FwExclude.exe, read back through the resource
// API: dialog template, icon, manifest and version, all in Japanese (1041).
#include <doctest.h>

#include "BuiltPrograms.h"
#include "res/resource.h"

#include <windows.h>

#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);  // 1041

// The program's image, loaded as data.
class ProgramResources {
public:
    ProgramResources() : m_module(LoadLibraryExA(FwExcludeExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
        if (!m_module) throw std::runtime_error("cannot load " + FwExcludeExe());
    }
    ~ProgramResources() { FreeLibrary(m_module); }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    std::string Bytes(LPCSTR type, WORD id) const
    {
        HRSRC found = FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), kJapanese);
        if (!found) throw std::runtime_error("no Japanese resource " + std::to_string(id));
        const char* data = static_cast<const char*>(LockResource(LoadResource(m_module, found)));
        return std::string(data, SizeofResource(m_module, found));
    }

    HMODULE Module() const { return m_module; }

private:
    HMODULE m_module;
};

// Reads a dialog template field by field.
class TemplateReader {
public:
    explicit TemplateReader(const std::string& bytes) : m_bytes(bytes) {}

    template <typename T>
    T Read()
    {
        if (m_at + sizeof(T) > m_bytes.size()) throw std::runtime_error("template too short");
        T value;
        std::memcpy(&value, &m_bytes[m_at], sizeof(T));
        m_at += sizeof(T);
        return value;
    }
    std::wstring Text()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c; c = Read<WCHAR>()) text += c;
        return text;
    }
    // A name or an ordinal: 0 none, 0xFFFF then an ordinal, else a text.
    std::wstring NameOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0) return L"";
        if (first == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
        m_at -= sizeof(WORD);
        return Text();
    }
    void AlignToDword() { m_at = (m_at + 3) & ~size_t(3); }

private:
    const std::string& m_bytes;
    size_t m_at = 0;
};

struct ControlTemplate {
    DWORD helpId, exStyle, style;
    short x, y, cx, cy;
    DWORD id;
    std::wstring windowClass, text;
    WORD extraBytes;
};

std::wstring Widen(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

// (type, name, language) of every resource; resources named by a text
// instead of a number are recorded as (0, 0, 0).
using Inventory = std::set<std::tuple<ULONG_PTR, ULONG_PTR, WORD>>;

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found)
{
    reinterpret_cast<Inventory*>(found)->insert(
        {reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name), language});
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found)
{
    if (!IS_INTRESOURCE(name)) reinterpret_cast<Inventory*>(found)->insert({0, 0, 0});
    else EnumResourceLanguagesA(module, type, name, &AddLanguage, found);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR found)
{
    if (!IS_INTRESOURCE(type)) reinterpret_cast<Inventory*>(found)->insert({0, 0, 0});
    else EnumResourceNamesA(module, type, &AddName, found);
    return TRUE;
}

}  // namespace

TEST_CASE("The program carries exactly its own resources and all of them in Japanese")
{
    ProgramResources program;
    Inventory found;
    EnumResourceTypesA(program.Module(), &AddType, reinterpret_cast<LONG_PTR>(&found));
    const Inventory expected = {
        {reinterpret_cast<ULONG_PTR>(RT_ICON), 1, kJapanese},
        {reinterpret_cast<ULONG_PTR>(RT_ICON), 2, kJapanese},
        {reinterpret_cast<ULONG_PTR>(RT_DIALOG), IDD_EXCLUSION, kJapanese},
        {reinterpret_cast<ULONG_PTR>(RT_GROUP_ICON), IDR_MAINFRAME, kJapanese},
        {reinterpret_cast<ULONG_PTR>(RT_VERSION), 1, kJapanese},
        {reinterpret_cast<ULONG_PTR>(RT_MANIFEST), 1, kJapanese},
    };
    CHECK(found == expected);
}

TEST_CASE("The dialog template has the stated header caption and font")
{
    const std::string bytes = ProgramResources().Bytes(RT_DIALOG, IDD_EXCLUSION);
    TemplateReader dialog(bytes);
    CHECK(dialog.Read<WORD>() == 1);       // extended template
    CHECK(dialog.Read<WORD>() == 0xFFFF);  // its signature
    CHECK(dialog.Read<DWORD>() == 0);      // help identifier
    CHECK(dialog.Read<DWORD>() == WS_EX_APPWINDOW);
    CHECK(dialog.Read<DWORD>() == (DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    CHECK(dialog.Read<WORD>() == 3);  // controls
    CHECK(dialog.Read<short>() == 0);
    CHECK(dialog.Read<short>() == 0);
    CHECK(dialog.Read<short>() == 183);
    CHECK(dialog.Read<short>() == 43);
    CHECK(dialog.NameOrOrdinal() == L"");  // no menu
    CHECK(dialog.NameOrOrdinal() == L"");  // the standard dialog class
    CHECK(dialog.Text() == L"ファイアウォール対象除外");
    CHECK(dialog.Read<WORD>() == 9);  // points
    CHECK(dialog.Read<WORD>() == 0);  // weight
    CHECK(dialog.Read<BYTE>() == 0);  // italic
    CHECK(dialog.Read<BYTE>() == DEFAULT_CHARSET);
    CHECK(dialog.Text() == L"ＭＳ Ｐゴシック");
}

TEST_CASE("The dialog template controls are in the stated order with the stated styles")
{
    const std::string bytes = ProgramResources().Bytes(RT_DIALOG, IDD_EXCLUSION);
    TemplateReader dialog(bytes);
    dialog.Read<WORD>(), dialog.Read<WORD>(), dialog.Read<DWORD>(), dialog.Read<DWORD>(), dialog.Read<DWORD>();
    const WORD count = dialog.Read<WORD>();
    for (int i = 0; i < 4; ++i) dialog.Read<short>();
    dialog.NameOrOrdinal(), dialog.NameOrOrdinal(), dialog.Text();
    dialog.Read<WORD>(), dialog.Read<WORD>(), dialog.Read<BYTE>(), dialog.Read<BYTE>(), dialog.Text();

    std::vector<ControlTemplate> controls;
    for (WORD i = 0; i < count; ++i) {
        dialog.AlignToDword();
        ControlTemplate control;
        control.helpId = dialog.Read<DWORD>();
        control.exStyle = dialog.Read<DWORD>();
        control.style = dialog.Read<DWORD>();
        control.x = dialog.Read<short>();
        control.y = dialog.Read<short>();
        control.cx = dialog.Read<short>();
        control.cy = dialog.Read<short>();
        control.id = dialog.Read<DWORD>();
        control.windowClass = dialog.NameOrOrdinal();
        control.text = dialog.NameOrOrdinal();
        control.extraBytes = dialog.Read<WORD>();
        controls.push_back(control);
    }
    REQUIRE(controls.size() == 3);

    struct Expected {
        DWORD id;
        const wchar_t* windowClass;  // predefined classes by their ordinals
        const wchar_t* text;
        short x, y, cx, cy;
        DWORD style;
    };
    const Expected expected[] = {
        {IDC_DROP_PATH, L"#129", L"", 0, 31, 9, 12,
         WS_CHILD | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL},
        {IDC_START, L"#128", L"除外開始", 124, 24, 50, 14,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {static_cast<DWORD>(IDC_STATIC), L"#130",
         L"TAVIRONのEXEを全てファイアウォール除外に設定します。\n解除はできませんのでご注意ください。",
         4, 3, 176, 20, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
    };
    for (size_t i = 0; i < 3; ++i) {
        CAPTURE(i);
        const ControlTemplate& control = controls[i];
        CHECK(control.id == expected[i].id);
        CHECK(control.windowClass == expected[i].windowClass);
        CHECK(control.text == expected[i].text);
        CHECK(control.x == expected[i].x);
        CHECK(control.y == expected[i].y);
        CHECK(control.cx == expected[i].cx);
        CHECK(control.cy == expected[i].cy);
        CHECK(control.style == expected[i].style);
        CHECK(control.exStyle == 0);
        CHECK(control.helpId == 0);
        CHECK(control.extraBytes == 0);
    }
}

TEST_CASE("The icon group holds a 32 x 32 and a 16 x 16 image of 8 bits per pixel")
{
    ProgramResources program;
    const std::string group = program.Bytes(RT_GROUP_ICON, IDR_MAINFRAME);
    REQUIRE(group.size() >= 6);
    WORD header[3];
    std::memcpy(header, group.data(), sizeof header);
    CHECK(header[1] == 1);  // icons, not cursors
    REQUIRE(header[2] == 2);
    REQUIRE(group.size() == 6 + 2 * 14u);

    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        CAPTURE(sizes[i]);
        const unsigned char* entry = reinterpret_cast<const unsigned char*>(group.data()) + 6 + 14 * i;
        CHECK(entry[0] == sizes[i]);
        CHECK(entry[1] == sizes[i]);
        CHECK(entry[2] == 0);  // 256 colours or more
        WORD bitCount, id;
        std::memcpy(&bitCount, entry + 6, sizeof bitCount);
        std::memcpy(&id, entry + 12, sizeof id);
        CHECK(bitCount == 8);

        const std::string image = program.Bytes(RT_ICON, id);
        REQUIRE(image.size() >= sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER bitmap;
        std::memcpy(&bitmap, image.data(), sizeof bitmap);
        CHECK(bitmap.biWidth == sizes[i]);
        CHECK(bitmap.biHeight == 2 * sizes[i]);  // colour rows and mask rows
        CHECK(bitmap.biBitCount == 8);
        CHECK(bitmap.biCompression == BI_RGB);
    }
    // The system finds an image of each size in the group.
    for (int size : sizes) {
        HANDLE icon = LoadImageA(program.Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0);
        CHECK(icon != nullptr);
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST_CASE("The manifest selects version 6 of the common controls")
{
    const std::wstring manifest = Widen(ProgramResources().Bytes(RT_MANIFEST, 1));
    const size_t dependency = manifest.find(L"<dependency>");
    REQUIRE(dependency != std::wstring::npos);
    const std::wstring own = manifest.substr(0, dependency);
    const std::wstring needed = manifest.substr(dependency);

    CHECK(manifest.find(L"<?xml version=\"1.0\" encoding=\"UTF-8\"") == 0);
    for (const wchar_t* attribute : {L"version=\"1.0.0.0\"", L"processorArchitecture=\"X86\"",
                                     L"name=\"CompanyName.ProductName.YourApp\"", L"type=\"win32\""}) {
        CAPTURE(std::string(attribute, attribute + wcslen(attribute)));
        CHECK(own.find(attribute) != std::wstring::npos);
    }
    CHECK(own.find(L"<description>アプリケーションの説明</description>") != std::wstring::npos);
    for (const wchar_t* attribute :
         {L"type=\"win32\"", L"name=\"Microsoft.Windows.Common-Controls\"", L"version=\"6.0.0.0\"",
          L"processorArchitecture=\"X86\"", L"publicKeyToken=\"6595b64144ccf1df\"", L"language=\"*\""}) {
        CAPTURE(std::string(attribute, attribute + wcslen(attribute)));
        CHECK(needed.find(attribute) != std::wstring::npos);
    }
}

TEST_CASE("The version resource has the stated flags and a Japanese Unicode string block")
{
    const std::string exe = FwExcludeExe();
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), &ignored));
    REQUIRE(!info.empty());
    REQUIRE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwSignature == VS_FFI_SIGNATURE);
    CHECK(fixed->dwFileFlagsMask == 0x3F);
    CHECK(fixed->dwFileFlags == 0);
    CHECK(fixed->dwFileOS == VOS_NT_WINDOWS32);
    CHECK(fixed->dwFileType == VFT_APP);

    WORD* translation = nullptr;
    REQUIRE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    REQUIRE(length == 4);
    CHECK(translation[0] == 0x0411);
    CHECK(translation[1] == 1200);

    auto field = [&](const char* name) {
        char* value = nullptr;
        UINT size = 0;
        const std::string path = std::string("\\StringFileInfo\\041104b0\\") + name;
        if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) || !value)
            return std::string("<missing>");
        return std::string(value);
    };
    for (const char* blank : {"InternalName", "PrivateBuild", "SpecialBuild"}) {
        CAPTURE(blank);
        CHECK(field(blank) == " ");
    }
    for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "LegalCopyright", "ProductName",
                             "ProductVersion"}) {
        CAPTURE(name);
        CHECK(field(name) != "<missing>");
        CHECK(field(name).find_first_not_of(' ') != std::string::npos);
    }
    CHECK(field("OriginalFilename") == "FwExclude.exe");
}
