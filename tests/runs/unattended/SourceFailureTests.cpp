// Sources of install folders that are missing or broken: each records its
// code and the run goes on with what it has.
#include <doctest.h>

#include "RunCases.h"

#include <string>

TEST_CASE("A component whose folder cannot be found or walked records its code")
{
    CheckRunCases({
        {"MNX", {}, 2, {}},
        {"WBQ", {}, 3, {}},
        {"DKQ \"\"", {}, 4, {}},
        {"MNX", {kWbq, kDkq, kLegacyList, kTerminalSet, kBasicSet, kZpb, kZpa}, 2, {}},
        {"MNX", {kMain}, 6, {}, [](ProductInstallation& i) { i.Name(kMain, i.Missing()); }},
        {"WBQ", {kWbq}, 6, {}, [](ProductInstallation& i) { i.Name(kWbq, i.AFile()); }},
        // An empty value names no folder: nothing to do, nothing failed.
        {"DKQ", {kDkq}, 0, {}, [](ProductInstallation& i) { i.Name(kDkq, ""); }},
        // A trailing backslash is taken as it stands; entries are the same.
        {"MNX", {kMain}, 0, {kMain}, [](ProductInstallation& i) { i.Name(kMain, i.Folder(kMain) + "\\"); }},
    });
}

TEST_CASE("The legacy folders are processed from every source that can be read")
{
    const std::vector<Source> withoutTerminalSet = {kLegacyList, kBasicSet, kZpb, kZpa};
    CheckRunCases({
        // Sources read in the order 1, terminal set (9), basic set (8),
        // ZPB (10), ZPA (11): the last failing one's code stands.
        {"MNXL", {}, 11, {}},
        {"MNXL", {kLegacyList}, 11, {kLegacyList}},
        {"MNXL", withoutTerminalSet, 9, withoutTerminalSet},
        {"MNXL", {kLegacyList, kZpb, kZpa}, 8, {kLegacyList, kZpb, kZpa}},
        {"MNXL", {kTerminalSet, kBasicSet, kZpa}, 10, {kTerminalSet, kBasicSet, kZpa}},
        {"MNXL", {kTerminalSet, kBasicSet, kZpb}, 11, {kTerminalSet, kBasicSet, kZpb}},
        // A name too long for the enumeration's buffer ends it with 7; the
        // values listed before it are kept.
        {"MNXL", kAllLegacy, 7, kAllLegacy,
         [](ProductInstallation& i) { i.AddToLegacyList(std::string(256, 'Z'), i.Folder(kZpa)); }},
        // A walk that fails after a failed source leaves 6.
        {"MNXL", withoutTerminalSet, 6, {kLegacyList, kBasicSet, kZpb},
         [](ProductInstallation& i) { i.Name(kZpa, i.Missing()); }},
        // An empty or lone-backslash text is an empty entry, which is skipped.
        {"MNXL", kAllLegacy, 0, {kLegacyList, kBasicSet, kZpb, kZpa},
         [](ProductInstallation& i) { i.Name(kTerminalSet, ""); }},
        {"MNXL", kAllLegacy, 0, {kLegacyList, kTerminalSet, kZpb, kZpa},
         [](ProductInstallation& i) { i.Name(kBasicSet, "\\"); }},
        {"MNXL", kAllLegacy, 0, kAllLegacy,
         [](ProductInstallation& i) { i.AddToLegacyList("Empty", ""); }},
    });
}
