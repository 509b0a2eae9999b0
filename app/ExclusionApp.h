// The program's application object; it holds the process exit status.
#pragma once

#include "framework/CWinApp.h"

class CExclusionApp : public CWinApp {
public:
    CExclusionApp();

    // Runs the exclusion dialog modally; always FALSE.
    BOOL InitInstance() override;
    // The exit status, which becomes the process exit code.
    int ExitInstance() override;
    // Help is silenced: every request ends here and does nothing.
    void WinHelp(DWORD dwData, UINT nCmd = HELP_CONTEXT) override;

    int m_nExitCode;

    DECLARE_MESSAGE_MAP()
};
