// FwExclude.exe as Windows XP's loader sees it: a 32-bit GUI program whose
// versions XP accepts and whose every import XP provides.
#include <doctest.h>

#include "BuiltPrograms.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<char> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class PeImage {
public:
    explicit PeImage(std::vector<char> bytes) : m_bytes(std::move(bytes))
    {
        const IMAGE_DOS_HEADER& dos = At<IMAGE_DOS_HEADER>(0);
        if (dos.e_magic != IMAGE_DOS_SIGNATURE) throw std::runtime_error("not an executable");
        m_ntOffset = static_cast<size_t>(dos.e_lfanew);
        if (Nt().Signature != IMAGE_NT_SIGNATURE) throw std::runtime_error("not a PE image");
    }

    const IMAGE_NT_HEADERS32& Nt() const { return At<IMAGE_NT_HEADERS32>(m_ntOffset); }

    // Every imported function as "dll!name", the DLL name in lower case.
    std::set<std::string> Imports() const
    {
        std::set<std::string> imports;
        const IMAGE_DATA_DIRECTORY& directory =
            Nt().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (size_t at = FileOffset(directory.VirtualAddress);; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const IMAGE_IMPORT_DESCRIPTOR& entry = At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (entry.Name == 0) break;
            std::string dll = TextAt(FileOffset(entry.Name));
            std::transform(dll.begin(), dll.end(), dll.begin(),
                           [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
            const DWORD thunks = entry.OriginalFirstThunk ? entry.OriginalFirstThunk : entry.FirstThunk;
            for (size_t thunk = FileOffset(thunks);; thunk += sizeof(DWORD)) {
                const DWORD value = At<DWORD>(thunk);
                if (value == 0) break;
                if (value & IMAGE_ORDINAL_FLAG32)
                    imports.insert(dll + "!#" + std::to_string(value & 0xFFFF));
                else
                    imports.insert(dll + "!" + TextAt(FileOffset(value) + sizeof(WORD)));
            }
        }
        return imports;
    }

private:
    template <typename T>
    const T& At(size_t offset) const
    {
        if (offset + sizeof(T) > m_bytes.size()) throw std::runtime_error("truncated image");
        return *reinterpret_cast<const T*>(&m_bytes[offset]);
    }

    std::string TextAt(size_t offset) const
    {
        std::string text;
        while (offset < m_bytes.size() && m_bytes[offset]) text += m_bytes[offset++];
        return text;
    }

    size_t FileOffset(DWORD rva) const
    {
        const IMAGE_NT_HEADERS32& nt = Nt();
        size_t section = m_ntOffset + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                         nt.FileHeader.SizeOfOptionalHeader;
        for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i, section += sizeof(IMAGE_SECTION_HEADER)) {
            const IMAGE_SECTION_HEADER& header = At<IMAGE_SECTION_HEADER>(section);
            if (rva >= header.VirtualAddress && rva < header.VirtualAddress + header.Misc.VirtualSize)
                return rva - header.VirtualAddress + header.PointerToRawData;
        }
        throw std::runtime_error("address outside every section");
    }

    std::vector<char> m_bytes;
    size_t m_ntOffset = 0;
};

std::set<std::string> ReviewedImports()
{
    std::ifstream list(WindowsPathOf(XP_IMPORTS_LIST));
    if (!list) throw std::runtime_error("no import allowlist");
    std::set<std::string> allowed;
    for (std::string line; std::getline(list, line);) {
        line.erase(line.find_last_not_of(" \r\t") + 1);
        if (!line.empty() && line[0] != '#') allowed.insert(line);
    }
    return allowed;
}

}  // namespace

TEST_CASE("FwExclude.exe is a 32-bit GUI program that Windows XP loads")
{
    const PeImage image(ReadWholeFile(FwExcludeExe()));
    const IMAGE_NT_HEADERS32& nt = image.Nt();
    CHECK(nt.FileHeader.Machine == IMAGE_FILE_MACHINE_I386);
    CHECK(nt.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    CHECK(nt.OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI);
    // XP (5.1) refuses an image that asks for a later subsystem or system.
    const auto version = [](WORD major, WORD minor) { return major * 100 + minor; };
    CHECK(version(nt.OptionalHeader.MajorSubsystemVersion, nt.OptionalHeader.MinorSubsystemVersion) <= 501);
    CHECK(version(nt.OptionalHeader.MajorOperatingSystemVersion,
                  nt.OptionalHeader.MinorOperatingSystemVersion) <= 501);
}

TEST_CASE("FwExclude.exe imports only reviewed functions that Windows XP provides")
{
    const std::set<std::string> imports = PeImage(ReadWholeFile(FwExcludeExe())).Imports();
    REQUIRE(imports.size() > 20);
    const std::set<std::string> allowed = ReviewedImports();
    for (const std::string& import : imports) {
        INFO("import not reviewed for Windows XP (see tests/app/xp-imports.txt): ", import);
        CHECK(allowed.count(import) == 1);
    }
}
