#include "tests/support/FirewallListsFixture.h"

#include "firewall/FirewallLists.h"

#include <windows.h>
#include <mbstring.h>

#include <algorithm>

const char* const kStandardList = STANDARD_PROFILE_LIST;
const char* const kDomainList = DOMAIN_PROFILE_LIST;

namespace {
void ClearLists()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kStandardList);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kDomainList);
}
}  // namespace

FirewallListsFixture::FirewallListsFixture()
{
    ClearLists();
}

FirewallListsFixture::~FirewallListsFixture()
{
    ClearLists();
}

std::vector<RegValue> FirewallListsFixture::Standard()
{
    return ReadAllValues(HKEY_LOCAL_MACHINE, kStandardList);
}

std::vector<RegValue> FirewallListsFixture::Domain()
{
    return ReadAllValues(HKEY_LOCAL_MACHINE, kDomainList);
}

RegValue AuthorizationEntry(const std::string& path)
{
    // The last real backslash: a 0x5C trail byte does not count.
    const unsigned char* text = reinterpret_cast<const unsigned char*>(path.c_str());
    const std::string name = reinterpret_cast<const char*>(_mbsrchr(text, '\\') + 1);
    const std::string data = path + ":*:Enabled:TAVIRON_" + name;
    return {path, REG_SZ, std::string(data.c_str(), data.size() + 1)};
}

std::vector<RegValue> SortedByName(std::vector<RegValue> values)
{
    std::sort(values.begin(), values.end(), [](const RegValue& a, const RegValue& b) {
        return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0;
    });
    return values;
}
