#include "tests/support/OpenHandles.h"

#include <windows.h>

#include <vector>

namespace {

// The system's handle table (information class 16), one entry per handle
// of every process. GetProcessHandleCount gives 0 under Wine.
struct HandleEntry {
    ULONG processId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};
typedef LONG(NTAPI* QuerySystemInformation)(ULONG, PVOID, ULONG, PULONG);
const ULONG kSystemHandleInformation = 16;
const LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

}  // namespace

int CountOpenHandles()
{
    static QuerySystemInformation query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    std::vector<BYTE> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const LONG status = query(kSystemHandleInformation, buffer.data(),
                                  static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch && buffer.size() < (1u << 26)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0) return -1;
        break;
    }
    const HandleTable* table = reinterpret_cast<const HandleTable*>(buffer.data());
    int count = 0;
    for (ULONG index = 0; index < table->count; ++index)
        if (table->entries[index].processId == GetCurrentProcessId()) ++count;
    return count;
}
