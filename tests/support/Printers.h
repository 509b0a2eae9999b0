// How doctest shows strings, string lists and registry values in failures:
// bytes outside printable ASCII as \xNN, so code page 932 text stays legible.
#pragma once

#include "tests/support/RegistryHelpers.h"

#include <doctest.h>

#include <string>
#include <vector>

std::string Escaped(const std::string& bytes);

namespace doctest {
template <>
struct StringMaker<std::vector<std::string>> {
    static String convert(const std::vector<std::string>& items);
};
template <>
struct StringMaker<RegValue> {
    static String convert(const RegValue& value);
};
template <>
struct StringMaker<std::vector<RegValue>> {
    static String convert(const std::vector<RegValue>& values);
};
}  // namespace doctest
