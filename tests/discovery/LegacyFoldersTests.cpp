#include <doctest.h>

#include "app/ExitStatus.h"
#include "discovery/LegacyFolders.h"
#include "tests/discovery/UnterminatedValue.h"
#include "tests/support/ExitStatusAccess.h"
#include "tests/support/OpenHandles.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryHelpers.h"

#include <string>
#include <vector>

namespace {

using Folders = std::vector<std::string>;

const char kVendorKey[] = "SoftWare\\HOLVARIC";
const char kEnumeratedKey[] = "SoftWare\\HOLVARIC\\TAVIRON\\InstallFolder";

struct SingleSource {
    char mark;  // names the source in the tables below
    const char* keyPath;
    const char* valueName;
    const char* folder;  // what the tests store there
};

const SingleSource kSingleSources[] = {
    {'T', "SoftWare\\HOLVARIC\\GRENDOVA Ver.2 端末セット", "InstallPath", "D:\\Terminal"},
    {'B', "SoftWare\\HOLVARIC\\GRENDOVA Ver.2 基本セット", "InstallPath", "D:\\Basic"},
    {'P', "SoftWare\\HOLVARIC\\Velmora\\ZPB", "InstallFolder", "D:\\Zpb"},
    {'A', "SoftWare\\HOLVARIC\\Velmora\\ZPA", "InstallFolder", "D:\\Zpa"},
};

// Starts and ends with no key of the vendor and exit status 0.
struct LegacyKeys {
    LegacyKeys() { Clear(); }
    ~LegacyKeys() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kVendorKey); }
    static void Clear()
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kVendorKey);
        PresetExitCode(EXIT_OK);
    }
};

// Stores the folders of the single-value sources whose marks are given;
// returns those folders in source order.
Folders SeedSingles(const std::string& marks)
{
    Folders seeded;
    for (const SingleSource& source : kSingleSources) {
        if (marks.find(source.mark) == std::string::npos) continue;
        SetStringValue(HKEY_LOCAL_MACHINE, source.keyPath, source.valueName, source.folder);
        seeded.push_back(source.folder);
    }
    return seeded;
}

struct RawValue {
    DWORD type;
    std::string bytes;
};

RawValue Text(const std::string& text)
{
    return {REG_SZ, std::string(text.c_str(), text.size() + 1)};
}

// Stores the values in the first source under names that sort in the
// order given (the registry enumerates values by name).
void SeedEnumerated(const std::vector<RawValue>& values)
{
    for (size_t index = 0; index < values.size(); ++index) {
        const std::string name = "v" + std::to_string(10 + index);
        SetRawValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, name, values[index].type, values[index].bytes);
    }
}

Folders Collect(CStringArray& list)
{
    CollectLegacyFolders(list);
    Folders folders;
    for (int index = 0; index < list.GetSize(); ++index)
        folders.emplace_back(list[index], static_cast<size_t>(list[index].GetLength()));
    return folders;
}

Folders Collect()
{
    CStringArray list;
    return Collect(list);
}

Folders Joined(Folders first, const Folders& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void CreateEmptyKey(const char* keyPath)
{
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetWideString(const wchar_t* keyPath, const wchar_t* valueName, const std::wstring& text)
{
    HKEY key;
    REQUIRE(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS);
    RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

TEST_CASE_FIXTURE(LegacyKeys, "legacy folders come in source order")
{
    SeedEnumerated({Text("C:\\Taviron\\"), Text("C:\\Taviron Two")});
    // The Japanese key names as an installer writes them, in Unicode.
    SetWideString(L"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 端末セット", L"InstallPath", L"D:\\Terminal");
    SetWideString(L"SoftWare\\HOLVARIC\\GRENDOVA Ver.2 基本セット", L"InstallPath", L"D:\\Basic\\");
    SetStringValue(HKEY_LOCAL_MACHINE, "SoftWare\\HOLVARIC\\Velmora\\ZPB", "InstallFolder", "E:\\Zpb");
    SetStringValue(HKEY_LOCAL_MACHINE, "SoftWare\\HOLVARIC\\Velmora\\ZPA", "InstallFolder", "E:\\Zpa");

    CHECK(Collect() == Folders{"C:\\Taviron", "C:\\Taviron Two", "D:\\Terminal", "D:\\Basic",
                               "E:\\Zpb", "E:\\Zpa"});
    CHECK(CurrentExitCode() == EXIT_OK);
}

TEST_CASE_FIXTURE(LegacyKeys, "legacy sources that cannot be read record their codes in source order")
{
    struct Row {
        bool enumeratedKey;  // present, without values
        const char* singles;
        int exitCode;
    };
    const Row rows[] = {
        {false, "", EXIT_NO_ZPA_FOLDER},      // none of the five
        {false, "TBPA", EXIT_OK},             // first source absent: no failure
        {true, "TBPA", EXIT_OK},              // first source without values
        {true, "BPA", EXIT_NO_TERMINAL_SET},  //
        {true, "TPA", EXIT_NO_BASIC_SET},     //
        {false, "PA", EXIT_NO_BASIC_SET},     // 9, then 8
        {true, "TBA", EXIT_NO_ZPB_FOLDER},    //
        {true, "TBP", EXIT_NO_ZPA_FOLDER},    //
        {true, "T", EXIT_NO_ZPA_FOLDER},      //
    };
    for (const Row& row : rows) {
        Clear();
        INFO("enumerated key: ", row.enumeratedKey, ", single sources: ", std::string(row.singles));
        if (row.enumeratedKey) CreateEmptyKey(kEnumeratedKey);
        const Folders expected = SeedSingles(row.singles);
        CHECK(Collect() == expected);
        CHECK(CurrentExitCode() == row.exitCode);
    }
}

TEST_CASE_FIXTURE(LegacyKeys, "an enumeration error ends the first source with 7")
{
    struct Row {
        const char* what;
        std::string name;
        RawValue value;
        bool read;
    };
    const std::string text1023(1023, 'd');
    const std::string text1024(1024, 'e');
    const Row rows[] = {
        {"255-byte name", std::string(255, 'm'), Text("C:\\Middle"), true},
        {"256-byte name", std::string(256, 'm'), Text("C:\\Middle"), false},
        {"1024 bytes of data", "m", Text(text1023), true},
        {"1025 bytes of data", "m", Text(text1024), false},
        // Binary data: Wine stores no NUL after it, whatever follows in memory.
        {"1024 bytes without a NUL", "m", {REG_BINARY, std::string(1024, 'b')}, true},
        {"1025 bytes without a NUL", "m", {REG_BINARY, std::string(1025, 'b')}, false},
    };
    for (const Row& row : rows) {
        Clear();
        INFO(std::string(row.what));
        SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, "a", "C:\\First");
        SetRawValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, row.name, row.value.type, row.value.bytes);
        SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, "z", "C:\\Last");
        const Folders singles = SeedSingles("TBPA");
        const Folders read = {"C:\\First", row.value.bytes.c_str(), "C:\\Last"};
        const int handles = CountOpenHandles();
        CHECK(Collect() == Joined(row.read ? read : Folders{"C:\\First"}, singles));
        CHECK(CountOpenHandles() == handles);
        CHECK(CurrentExitCode() == (row.read ? EXIT_OK : EXIT_LEGACY_ENUM_FAILED));
    }

    // A later source that fails still has the last word.
    Clear();
    SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, std::string(256, 'm'), "C:\\Middle");
    CHECK(Collect() == SeedSingles("TPA"));
    CHECK(CurrentExitCode() == EXIT_NO_BASIC_SET);
}

TEST_CASE_FIXTURE(LegacyKeys, "a first-source value filling the whole data buffer ends within it")
{
    SetUnterminatedString(HKEY_LOCAL_MACHINE, kEnumeratedKey, "v", std::string(1024, 'f'));
    CHECK(Collect() == Folders{std::string(1024, 'f')});
}

TEST_CASE_FIXTURE(LegacyKeys, "folders already covered by the list are left out")
{
    struct Row {
        const char* what;
        std::vector<RawValue> values;
        Folders expected;
    };
    const Row rows[] = {
        {"same folder in other case or with a backslash",
         {Text("C:\\Apps"), Text("c:\\APPS\\"), Text("C:\\apps")},
         {"C:\\Apps"}},
        {"the first text stays", {Text("C:\\Apps\\"), Text("C:\\APPS")}, {"C:\\Apps"}},
        {"inside an earlier folder, or only sharing its first letters",
         {Text("C:\\Apps"), Text("c:\\apps\\Sub"), Text("C:\\Apps2"), Text("C:\\App")},
         {"C:\\Apps", "C:\\Apps2", "C:\\App"}},
        {"containing an earlier folder",
         {Text("C:\\Apps\\Sub"), Text("C:\\Apps"), Text("C:\\Apps\\Other")},
         {"C:\\Apps\\Sub", "C:\\Apps"}},
        {"full-width letters in other case",
         {Text("C:\\ＡＢＣ"), Text("c:\\ａｂｃ\\x"), Text("C:\\ＡＢＣＤ")},
         {"C:\\ＡＢＣ", "C:\\ＡＢＣＤ"}},
        {"hiragana and katakana differ", {Text("C:\\あ"), Text("C:\\ア")}, {"C:\\あ", "C:\\ア"}},
        {"a 0x5C trail byte is no backslash", {Text("C:\\ソ")}, {"C:\\ソ"}},
        {"a backslash after a 0x5C trail byte",
         {Text("C:\\ソ\\"), Text("C:\\ソ\\Sub")},
         {"C:\\ソ"}},
        {"only one final backslash goes", {Text("C:\\Apps\\\\"), Text("D:\\")}, {"C:\\Apps\\", "D:"}},
        {"empty texts",
         {Text(""), Text("\\"), Text("\\\\Server\\Share"), Text("C:\\X")},
         {"", "C:\\X"}},
        {"a single backslash first", {Text("\\"), Text("")}, {""}},
        {"values that are not texts",
         {{REG_DWORD, std::string("ABC\0", 4)},
          {REG_DWORD, "WXYZ"},
          {REG_BINARY, std::string("C:\\Bin\0junk", 11)},
          {REG_EXPAND_SZ, std::string("C:\\Exp\\\0", 8)}},
         {"ABC", "WXYZ", "C:\\Bin", "C:\\Exp"}},
        {"more types that are not texts",
         {{REG_MULTI_SZ, std::string("C:\\Multi\0C:\\Second\0\0", 20)},
          {REG_NONE, std::string("C:\\None\0", 8)},
          {REG_QWORD, std::string("C:\\Q\0\0\0\0", 8)},
          {REG_DWORD_BIG_ENDIAN, std::string("C:\\B", 4)}},
         {"C:\\Multi", "C:\\None", "C:\\Q", "C:\\B"}},
    };
    for (const Row& row : rows) {
        Clear();
        INFO(std::string(row.what));
        SeedEnumerated(row.values);
        CHECK(Collect() == row.expected);
    }
}

TEST_CASE_FIXTURE(LegacyKeys, "later sources are tested against every folder before them")
{
    SetStringValue(HKEY_LOCAL_MACHINE, kEnumeratedKey, "v", "C:\\Apps");
    SetStringValue(HKEY_LOCAL_MACHINE, kSingleSources[0].keyPath, "InstallPath", "C:\\APPS\\Term");
    SetStringValue(HKEY_LOCAL_MACHINE, kSingleSources[1].keyPath, "InstallPath", "D:\\Basic");
    SetStringValue(HKEY_LOCAL_MACHINE, kSingleSources[2].keyPath, "InstallFolder", "D:\\");
    SetStringValue(HKEY_LOCAL_MACHINE, kSingleSources[3].keyPath, "InstallFolder", "d:\\zpa");
    CHECK(Collect() == Folders{"C:\\Apps", "D:\\Basic", "D:"});
    CHECK(CurrentExitCode() == EXIT_OK);
}

TEST_CASE_FIXTURE(LegacyKeys, "the list's earlier content plays no part")
{
    SeedEnumerated({Text("C:\\Apps\\Sub"), Text("\\Share")});
    CStringArray list;
    list.Add("C:\\Apps");
    list.Add("");
    CHECK(Collect(list) == Folders{"C:\\Apps\\Sub", "\\Share"});
}

TEST_CASE("EndsWithBackslash takes only a real final backslash")
{
    struct Row {
        const char* path;
        BOOL expected;
    };
    const Row rows[] = {
        {nullptr, FALSE},      {"", FALSE},           {"C:", FALSE},
        {"C:\\Apps", FALSE},   {"C:\\", TRUE},        {"\\", TRUE},
        {"C:\\Apps\\", TRUE},  {"C:\\ソ", FALSE},      {"C:\\ソ\\", TRUE},
        {"\\Apps", FALSE},
    };
    for (const Row& row : rows) {
        INFO(Escaped(row.path ? row.path : "(null)"));
        CHECK(EndsWithBackslash(row.path) == row.expected);
    }
}

TEST_CASE("IsFolderCovered: an entry covers itself and what lies below it")
{
    struct Row {
        std::vector<const char*> entries;
        const char* path;
        BOOL expected;
    };
    const Row rows[] = {
        {{"C:\\Apps"}, "C:\\Apps", TRUE},
        {{"C:\\Apps"}, "c:\\apps\\Sub", TRUE},
        {{"C:\\Apps"}, "C:\\APPS\\Sub\\Deeper", TRUE},
        {{"C:\\Apps"}, "C:\\Apps\\", TRUE},
        {{"C:\\Apps"}, "C:\\Apps2", FALSE},
        {{"C:\\Apps"}, "C:\\App", FALSE},
        {{"C:\\Apps"}, "D:\\Apps", FALSE},
        {{"C:\\Apps"}, nullptr, FALSE},
        {{"D:\\Other", "C:\\Apps"}, "C:\\Apps\\x", TRUE},
        {{"C:\\ＡＢＣ"}, "c:\\ａｂｃ", TRUE},
        {{"C:\\ａｂｃ"}, "C:\\ＡＢＣ\\Sub", TRUE},
        {{"C:\\ＡＢＣ"}, "C:\\ＡＢＣＤ", FALSE},
        {{"C:\\あ"}, "C:\\ア", FALSE},
        {{"C:\\ソ"}, "C:\\ソ\\x", TRUE},
        {{""}, "", TRUE},
        {{""}, "\\Share", TRUE},
        {{""}, "C:\\Apps", FALSE},
        {{}, "", FALSE},
    };
    for (const Row& row : rows) {
        CStringArray list;
        std::string shown;
        for (const char* entry : row.entries) {
            list.Add(entry);
            shown += std::string("\"") + entry + "\" ";
        }
        INFO(Escaped(shown), "covers ", Escaped(row.path ? row.path : "(null)"));
        CHECK(IsFolderCovered(list, row.path) == row.expected);
    }
}
