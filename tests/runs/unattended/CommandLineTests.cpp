// What an installer asks for on the command line: a component code, and
// perhaps a folder, which is then processed alone.
#include <doctest.h>

#include "RunCases.h"

TEST_CASE("A component code selects its one source whatever the case of its letters")
{
    CheckRunCases({
        {"MNX", kAllRegistered, 0, {kMain}},
        {"mnx", kAllRegistered, 0, {kMain}},
        {"WBQ", kAllRegistered, 0, {kWbq}},
        {"wBq", kAllRegistered, 0, {kWbq}},
        {"DKQ", kAllRegistered, 0, {kDkq}},
        {"Dkq", kAllRegistered, 0, {kDkq}},
        {"MNXL", kAllRegistered, 0, kAllLegacy},
        {"mnxL", kAllRegistered, 0, kAllLegacy},
        // TLQ has no folder of its own: nothing to do, nothing failed.
        {"TLQ", kAllRegistered, 0, {}},
        {"tlq", kAllRegistered, 0, {}},
        // An empty second parameter is no folder.
        {"MNX \"\"", kAllRegistered, 0, {kMain}},
        {"mnxl \"\"", kAllRegistered, 0, kAllLegacy},
        // The framework takes one leading switch character off.
        {"/MNX", kAllRegistered, 0, {kMain}},
        {"-dkq", kAllRegistered, 0, {kDkq}},
    });
}

TEST_CASE("A text that is no whole component code records 12 and processes nothing")
{
    CheckRunCases({
        {"XYZ", kAllRegistered, 12, {}},
        {"MN", kAllRegistered, 12, {}},
        {"MNXLX", kAllRegistered, 12, {}},
        {"\"MNX \"", kAllRegistered, 12, {}},
        {"\" MNX\"", kAllRegistered, 12, {}},
        {"ＭＮＸ", kAllRegistered, 12, {}},  // full-width letters
        {"\"\"", kAllRegistered, 12, {}},
        {"\"\" \"\"", kAllRegistered, 12, {}},
    });
}

TEST_CASE("A folder parameter is processed alone whatever the code says")
{
    // With every source registered nothing else is written; with none, no
    // lookup is made, or it would record its code.
    std::vector<RunCase> cases;
    for (const std::vector<Source>& registered : {kAllRegistered, std::vector<Source>{}})
        for (const char* args : {"MNX <given>", "mnxl <given>", "DKQ <given>", "TLQ <given>",
                                 "XYZ <given>", "\"\" <given>"})
            cases.push_back({args, registered, 0, {kGiven}});
    CheckRunCases(cases);
}

TEST_CASE("A folder parameter that cannot be walked records 6 and writes nothing")
{
    CheckRunCases({
        {"MNX <missing>", kAllRegistered, 6, {}},
        {"XYZ <missing>", {}, 6, {}},
        {"WBQ <file>", kAllRegistered, 6, {}},
    });
}
