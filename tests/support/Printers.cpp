#include "tests/support/Printers.h"

#include <cstdio>

std::string Escaped(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

namespace doctest {

String StringMaker<std::vector<std::string>>::convert(const std::vector<std::string>& items)
{
    std::string out = "{";
    for (const std::string& item : items) out += "\n  \"" + Escaped(item) + "\"";
    out += "\n}";
    return out.c_str();
}

String StringMaker<RegValue>::convert(const RegValue& value)
{
    return ("[" + Escaped(value.name) + "] type " + std::to_string(value.type) + " \"" +
            Escaped(value.data) + "\"")
        .c_str();
}

String StringMaker<std::vector<RegValue>>::convert(const std::vector<RegValue>& values)
{
    std::string out = "{";
    for (const RegValue& value : values) out += "\n  " + std::string(StringMaker<RegValue>::convert(value).c_str());
    out += "\n}";
    return out.c_str();
}

}  // namespace doctest
