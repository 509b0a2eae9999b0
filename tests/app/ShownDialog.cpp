#include "ShownDialog.h"

BEGIN_MESSAGE_MAP(ShownDialog, CExclusionDlg)
    ON_MESSAGE(WM_TIMER, OnTimer)
END_MESSAGE_MAP()
