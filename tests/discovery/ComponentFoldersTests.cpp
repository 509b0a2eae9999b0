#include <doctest.h>

#include "app/ExitStatus.h"
#include "discovery/ComponentFolders.h"
#include "tests/support/ExitStatusAccess.h"
#include "tests/support/RegistryHelpers.h"

#include <string>

namespace {

struct Lookup {
    const char* component;
    BOOL (*get)(CString&);
    const char* keyPath;
    const char* valueName;
    int notFound;
};

const Lookup kLookups[] = {
    {"MNX", GetMainFolder, "Software\\TAVIRON\\OrvoInst", "TAVIRONDIR", EXIT_NO_MNX_FOLDER},
    {"WBQ", GetWbqFolder, "Software\\TAVIRON\\WBQ", "InstallPath", EXIT_NO_WBQ_FOLDER},
    {"DKQ", GetDkqFolder, "Software\\TAVIRON\\DKQ", "InstallPath", EXIT_NO_DKQ_FOLDER},
};

// Starts and ends with none of the components' keys and exit status 0.
struct ComponentKeys {
    ComponentKeys() { Clear(); }
    ~ComponentKeys() { Clear(); }
    static void Clear()
    {
        for (const Lookup& lookup : kLookups) DeleteKeyTree(HKEY_LOCAL_MACHINE, lookup.keyPath);
        PresetExitCode(EXIT_OK);
    }
};

struct Outcome {
    BOOL result;
    std::string folder;
    int exitCode;

    bool operator==(const Outcome& other) const
    {
        return result == other.result && folder == other.folder && exitCode == other.exitCode;
    }
};

doctest::String toString(const Outcome& outcome)
{
    return ("{" + std::to_string(outcome.result) + ", \"" + outcome.folder + "\", " +
            std::to_string(outcome.exitCode) + "}")
        .c_str();
}

Outcome Run(BOOL (*get)(CString&), const char* startFolder)
{
    CString folder(startFolder);
    const BOOL result = get(folder);
    return {result, std::string(folder), CurrentExitCode()};
}

}  // namespace

TEST_CASE_FIXTURE(ComponentKeys, "component lookups: found not found and what counts as absent")
{
    for (const Lookup& lookup : kLookups) {
        INFO(std::string(lookup.component));
        const int code = lookup.notFound;

        Clear();
        CHECK(Run(lookup.get, "kept") == Outcome{FALSE, "kept", code});

        Clear();
        SetStringValue(HKEY_LOCAL_MACHINE, lookup.keyPath, "Other", "D:\\Elsewhere");
        CHECK(Run(lookup.get, "") == Outcome{FALSE, "", code});

        Clear();
        SetStringValue(HKEY_LOCAL_MACHINE, lookup.keyPath, lookup.valueName, " D:\\Orvo Apps\\ ");
        CHECK(Run(lookup.get, "") == Outcome{TRUE, " D:\\Orvo Apps\\ ", EXIT_OK});

        Clear();
        SetRawValue(HKEY_LOCAL_MACHINE, lookup.keyPath, lookup.valueName, REG_EXPAND_SZ,
                    std::string("%ProgramFiles%\\Orvo\0", 20));
        CHECK(Run(lookup.get, "") == Outcome{FALSE, "", code});

        Clear();
        SetStringValue(HKEY_LOCAL_MACHINE, lookup.keyPath, lookup.valueName, "");
        CHECK(Run(lookup.get, "") == Outcome{TRUE, "", EXIT_OK});
    }
}

TEST_CASE_FIXTURE(ComponentKeys, "component lookups read only their own key")
{
    // Each component's folder where another lookup would find it.
    SetStringValue(HKEY_LOCAL_MACHINE, "Software\\TAVIRON\\OrvoInst", "InstallPath", "D:\\A");
    SetStringValue(HKEY_LOCAL_MACHINE, "Software\\TAVIRON\\WBQ", "TAVIRONDIR", "D:\\B");
    SetStringValue(HKEY_LOCAL_MACHINE, "Software\\TAVIRON\\DKQ", "TAVIRONDIR", "D:\\C");
    for (const Lookup& lookup : kLookups) {
        INFO(std::string(lookup.component));
        CHECK(Run(lookup.get, "") == Outcome{FALSE, "", lookup.notFound});
    }
}

TEST_CASE_FIXTURE(ComponentKeys, "a later lookup keeps or replaces the exit code")
{
    SetStringValue(HKEY_LOCAL_MACHINE, "Software\\TAVIRON\\OrvoInst", "TAVIRONDIR", "D:\\Orvo");
    CHECK(Run(GetWbqFolder, "") == Outcome{FALSE, "", EXIT_NO_WBQ_FOLDER});
    CHECK(Run(GetMainFolder, "") == Outcome{TRUE, "D:\\Orvo", EXIT_NO_WBQ_FOLDER});
    CHECK(Run(GetDkqFolder, "") == Outcome{FALSE, "", EXIT_NO_DKQ_FOLDER});
}

TEST_CASE_FIXTURE(ComponentKeys, "TLQ has no folder and changes nothing")
{
    SetStringValue(HKEY_LOCAL_MACHINE, "Software\\TAVIRON\\OrvoInst", "TAVIRONDIR", "D:\\Orvo");
    PresetExitCode(EXIT_NO_WBQ_FOLDER);
    CHECK(Run(GetTlqFolder, "") == Outcome{TRUE, "", EXIT_NO_WBQ_FOLDER});
    CHECK(Run(GetTlqFolder, "C:\\Kept\\") == Outcome{TRUE, "C:\\Kept\\", EXIT_NO_WBQ_FOLDER});
}
