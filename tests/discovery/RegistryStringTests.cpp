#include <doctest.h>

#include "discovery/RegistryString.h"
#include "tests/discovery/UnterminatedValue.h"
#include "tests/support/OpenHandles.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryHelpers.h"

#include <functional>
#include <string>

namespace {

const char kTestKey[] = "Software\\FwExcludeTests\\ReadRegString";

struct TestKey {
    TestKey() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestKey); }
    ~TestKey() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestKey); }
};

std::string Read(const char* valueName, BOOL* found)
{
    CString text("previous");
    *found = ReadRegString(HKEY_LOCAL_MACHINE, kTestKey, valueName, text);
    return std::string(text, static_cast<size_t>(text.GetLength()));
}

void Seed(const std::string& text)
{
    SetStringValue(HKEY_LOCAL_MACHINE, kTestKey, "Folder", text);
}

void SeedRaw(DWORD type, const std::string& bytes)
{
    SetRawValue(HKEY_LOCAL_MACHINE, kTestKey, "Folder", type, bytes);
}

struct FailingCase {
    const char* what;
    std::function<void()> seed;
};

const FailingCase kFailingCases[] = {
    {"absent key", [] {}},
    {"absent value", [] { SetStringValue(HKEY_LOCAL_MACHINE, kTestKey, "Other", "C:\\Apps"); }},
    {"REG_DWORD", [] { SeedRaw(REG_DWORD, std::string("\x41\x42\x43\x00", 4)); }},
    {"REG_EXPAND_SZ", [] { SeedRaw(REG_EXPAND_SZ, std::string("C:\\Apps\0", 8)); }},
    {"REG_MULTI_SZ", [] { SeedRaw(REG_MULTI_SZ, std::string("C:\\Apps\0\0", 9)); }},
    {"1024 bytes of text", [] { Seed(std::string(1024, 'a')); }},
};

}  // namespace

TEST_CASE("ReadRegString fails without touching the caller's text")
{
    for (const FailingCase& row : kFailingCases) {
        TestKey key;
        row.seed();
        INFO(std::string(row.what));
        BOOL found = TRUE;
        CHECK(Read("Folder", &found) == "previous");
        CHECK_FALSE(found);
    }
}

TEST_CASE("ReadRegString returns the stored text byte for byte")
{
    const std::string texts[] = {
        "",
        "C:\\Apps\\",
        "  C:\\My Apps  ",
        "c:\\PROGRAM files\\Orvo",
        "C:\\ソフト\\",  // 0x5C trail byte inside
        std::string(1023, 'a'),
    };
    for (const std::string& text : texts) {
        TestKey key;
        Seed(text);
        INFO(Escaped(text.substr(0, 40)), " (", text.size(), " bytes)");
        BOOL found = FALSE;
        CHECK(Read("Folder", &found) == text);
        CHECK(found);
    }
}

TEST_CASE("ReadRegString ends a text stored without its NUL within the stored bytes")
{
    TestKey key;
    const std::string texts[] = {"C:\\Apps", std::string(1024, 'b')};
    for (const std::string& text : texts) {
        SetUnterminatedString(HKEY_LOCAL_MACHINE, kTestKey, "Folder", text);
        INFO(text.size(), " bytes");
        BOOL found = FALSE;
        CHECK(Read("Folder", &found) == text);
        CHECK(found);
    }
}

TEST_CASE("ReadRegString takes REG_SZ alone among all value types")
{
    // The same bytes, a folder text with its NUL, under every type there is.
    const std::string bytes("C:\\Apps\0", 8);
    for (DWORD type = REG_NONE; type <= REG_QWORD; ++type) {
        TestKey key;
        SeedRaw(type, bytes);
        INFO("type ", type);
        BOOL found = FALSE;
        CHECK(Read("Folder", &found) == (type == REG_SZ ? "C:\\Apps" : "previous"));
        CHECK(found == (type == REG_SZ));
    }
}

TEST_CASE("ReadRegString around the 1024-byte buffer: values of 1023 1024 and 1025 bytes")
{
    struct Row {
        size_t bytes;  // of stored data
        bool withNul;  // the last of them is the NUL
        bool read;
    };
    const Row rows[] = {
        {1023, true, true},  {1024, true, true},  {1025, true, false},
        {1023, false, true}, {1024, false, true}, {1025, false, false},
    };
    for (const Row& row : rows) {
        TestKey key;
        const std::string text(row.withNul ? row.bytes - 1 : row.bytes, 't');
        if (row.withNul)
            Seed(text);
        else
            SetUnterminatedString(HKEY_LOCAL_MACHINE, kTestKey, "Folder", text);
        INFO(row.bytes, " bytes ", row.withNul ? "with" : "without", " a NUL");
        BOOL found = FALSE;
        CHECK(Read("Folder", &found) == (row.read ? text : "previous"));
        CHECK(found == row.read);
    }
}

TEST_CASE("ReadRegString leaves no key open")
{
    TestKey key;
    SetStringValue(HKEY_LOCAL_MACHINE, kTestKey, "Text", "C:\\Apps");
    SetRawValue(HKEY_LOCAL_MACHINE, kTestKey, "Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    SetStringValue(HKEY_LOCAL_MACHINE, kTestKey, "Long", std::string(2000, 'a'));
    // found, wrong type, absent value, too long
    const char* const valueNames[] = {"Text", "Number", "Missing", "Long"};
    for (const char* valueName : valueNames) {
        INFO(std::string(valueName));
        const int before = CountOpenHandles();  // after INFO, which holds one of its own
        REQUIRE(before > 0);
        CString text;
        ReadRegString(HKEY_LOCAL_MACHINE, kTestKey, valueName, text);
        CHECK(CountOpenHandles() == before);
    }
}
