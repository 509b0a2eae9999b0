// Windows XP only: on any other version every run stops at once.
#include <doctest.h>

#include "RunCases.h"

TEST_CASE("On any Windows but XP every run gives 1 and writes nothing")
{
    std::vector<RunCase> cases;
    for (const char* windows : {"win7", "win2003", "win2k"})
        for (const char* args : {"MNX", "MNXL", "TLQ", "XYZ", "\"\"", "MNX <given>", "XYZ <missing>"})
            cases.push_back({args, kAllRegistered, 1, {}, nullptr, windows});
    // The same installation on XP again: the version alone made the difference.
    cases.push_back({"MNX", kAllRegistered, 0, {kMain}});
    CheckRunCases(cases);
}
