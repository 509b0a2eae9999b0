// The unattended run, started by WM_START_UNATTENDED from the initialisation.
#include "app/ExclusionDlg.h"

LRESULT CExclusionDlg::OnStartUnattended(WPARAM, LPARAM)
{
    // Hidden first, so that the dialog never shows; nothing is processed yet.
    ShowWindow(SW_HIDE);
    EndDialog(IDOK);
    return 0;
}
