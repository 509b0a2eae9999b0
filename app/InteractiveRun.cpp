// The interactive run behind the start button: the folder in the path field,
// or else every install folder that the registry names; a summary at the end.
#include "app/ExclusionDlg.h"
#include "app/ExitStatus.h"
#include "app/RunSteps.h"
#include "discovery/ComponentFolders.h"
#include "discovery/Environment.h"
#include "discovery/LegacyFolders.h"
#include "firewall/ExcludeFolder.h"

namespace {

// After the legacy folder list, in this order.
const FolderLookup kLookups[] = {GetMainFolder, GetWbqFolder, GetDkqFolder, GetTlqFolder};

}  // namespace

void CExclusionDlg::OnStart()
{
    UpdateData(TRUE);

    if (!IsWindowsXP()) {
        MessageBox("WindowsXP以外では実行できません。", "OS不正", MB_OK | MB_ICONERROR);
        RecordExitCode(EXIT_NOT_XP);
        return;
    }

    CString folder;
    m_editDropPath.GetWindowText(folder);
    int count = 0;
    if (!folder.IsEmpty()) {
        if (!FolderExists(folder)) {
            MessageBox("指定のフォルダは存在しません。", "フォルダ指定不正", MB_OK | MB_ICONERROR);
            return;
        }
        count = ExcludeFolder(folder);
    } else {
        // No folder is compared with another source's: a folder that two
        // sources name is walked and counted twice.
        CStringArray folders;
        CollectLegacyFolders(folders);
        count += ExcludeFolders(folders);
        for (FolderLookup lookup : kLookups) {
            // Emptied first: a failed lookup leaves the string as it was.
            folder.Empty();
            lookup(folder);
            count += ExcludeUnlessEmpty(folder);
        }
    }

    CString summary;
    summary.Format("%d 個のファイルを処理しました。", count);
    MessageBox(summary, "処理完了", MB_OK | MB_ICONINFORMATION);
}
