#include "LiveExitStatus.h"

#include "AppObjectAddress.h"
#include "app/ExclusionApp.h"

#include <tlhelp32.h>

#include <cstdint>

namespace {

// Where the executable's image starts in the process (its first module).
uintptr_t ImageStart(DWORD processId)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    const uintptr_t start =
        Module32First(snapshot, &module) ? reinterpret_cast<uintptr_t>(module.modBaseAddr) : 0;
    CloseHandle(snapshot);
    return start;
}

// The status member's place in the object: the same class, compiled by
// the same compiler, in this test program's own application object.
uintptr_t StatusOffsetInAppObject()
{
    const CExclusionApp* app = static_cast<const CExclusionApp*>(AfxGetApp());
    return static_cast<uintptr_t>(reinterpret_cast<const char*>(&app->m_nExitCode) -
                                  reinterpret_cast<const char*>(app));
}

}  // namespace

int LiveExitStatus(DWORD processId)
{
    const uintptr_t start = ImageStart(processId);
    HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, processId);
    if (!start || !process) {
        if (process) CloseHandle(process);
        return -1000;
    }
    int status = -1000;
    SIZE_T read = 0;
    const void* at = reinterpret_cast<const void*>(start + APP_OBJECT_OFFSET + StatusOffsetInAppObject());
    if (!ReadProcessMemory(process, at, &status, sizeof status, &read) || read != sizeof status)
        status = -1000;
    CloseHandle(process);
    return status;
}
