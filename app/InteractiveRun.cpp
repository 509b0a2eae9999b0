// The interactive run behind the start button.
#include "app/ExclusionDlg.h"

void CExclusionDlg::OnStart()
{
    // Nothing is processed yet: the dialog simply stays open.
}
