#include "app/ExclusionApp.h"

#include "app/ExclusionDlg.h"
#include "app/ExitStatus.h"
#include "framework/FrameworkIds.h"

BEGIN_MESSAGE_MAP(CExclusionApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CExclusionApp::CExclusionApp() : CWinApp(nullptr), m_nExitCode(EXIT_OK) {}

BOOL CExclusionApp::InitInstance()
{
    Enable3dControlsStatic();
    CExclusionDlg dlg;
    m_pMainWnd = &dlg;
    // IDOK (unattended run), IDCANCEL (closed) or -1 (no dialog): the exit
    // status alone is the outcome.
    dlg.DoModal();
    return FALSE;
}

int CExclusionApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

void CExclusionApp::WinHelp(DWORD, UINT) {}
