// The unattended run, started by WM_START_UNATTENDED from the initialisation:
// one source of folders, chosen by the folder parameter or the component
// code; the outcome is the exit status alone.
#include "app/ExclusionDlg.h"
#include "app/ExitStatus.h"
#include "app/RunSteps.h"
#include "discovery/ComponentFolders.h"
#include "discovery/Environment.h"
#include "discovery/LegacyFolders.h"
#include "firewall/ExcludeFolder.h"

#include <mbstring.h>

namespace {

struct Component {
    const char* code;
    FolderLookup lookup;  // null: the legacy folder list
};

// Compared in this order, whole and without regard to case.
const Component kComponents[] = {
    {"MNX", GetMainFolder}, {"WBQ", GetWbqFolder}, {"DKQ", GetDkqFolder},
    {"TLQ", GetTlqFolder},  {"MNXL", nullptr},
};

const Component* FindComponent(const CString& code)
{
    for (const Component& component : kComponents)
        if (_mbsicmp(reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(code)),
                     reinterpret_cast<const unsigned char*>(component.code)) == 0)
            return &component;
    return nullptr;
}

}  // namespace

LRESULT CExclusionDlg::OnStartUnattended(WPARAM, LPARAM)
{
    // Hidden before anything else, so that the dialog never shows.
    ShowWindow(SW_HIDE);

    if (!IsWindowsXP()) {
        EndDialog(IDOK);
        RecordExitCode(EXIT_NOT_XP);
        return 0;
    }

    // A folder parameter is processed alone; the code is not looked at.
    if (!m_strFolder.IsEmpty()) {
        ExcludeFolder(m_strFolder);
        EndDialog(IDOK);
        return 0;
    }

    CString folder;
    CStringArray folders;
    const Component* component = FindComponent(m_strComponent);
    if (!component)
        RecordExitCode(EXIT_NO_SUCH_COMPONENT);
    else if (component->lookup)
        component->lookup(folder);
    else
        CollectLegacyFolders(folders);

    // The counts are of no use here: the exit status is the only result.
    ExcludeUnlessEmpty(folder);
    ExcludeFolders(folders);

    EndDialog(IDOK);
    return 0;
}
