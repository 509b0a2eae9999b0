#include "discovery/ComponentFolders.h"

#include "app/ExitStatus.h"
#include "discovery/RegistryString.h"

namespace {

BOOL LookUpFolder(const char* keyPath, const char* valueName, ExitCode notFound, CString& folder)
{
    CString text;
    if (!ReadRegString(HKEY_LOCAL_MACHINE, keyPath, valueName, text)) {
        RecordExitCode(notFound);
        return FALSE;
    }
    folder = text;
    return TRUE;
}

}  // namespace

BOOL GetMainFolder(CString& folder)
{
    return LookUpFolder("Software\\TAVIRON\\OrvoInst", "TAVIRONDIR", EXIT_NO_MNX_FOLDER, folder);
}

BOOL GetWbqFolder(CString& folder)
{
    return LookUpFolder("Software\\TAVIRON\\WBQ", "InstallPath", EXIT_NO_WBQ_FOLDER, folder);
}

BOOL GetDkqFolder(CString& folder)
{
    return LookUpFolder("Software\\TAVIRON\\DKQ", "InstallPath", EXIT_NO_DKQ_FOLDER, folder);
}

BOOL GetTlqFolder(CString& /*folder*/)
{
    return TRUE;
}
