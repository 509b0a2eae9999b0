// The application object: one per process, reachable through AfxGetApp().
// The process entry (AfxWinMain) calls InitInstance, then ExitInstance,
// whose result becomes the process exit code.
#pragma once

#include "framework/CCmdTarget.h"

#include <windows.h>

class CCommandLineInfo;
class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The end of every help request: opens the help file beside the program.
    virtual void WinHelp(DWORD dwData, UINT nCmd = HELP_CONTEXT);

    // The framework's ID_HELP command handler: asks WinHelp for the contents.
    void OnHelp();

    // Hands each argument after the program name to rCmdInfo.ParseParam,
    // with one leading "-" or "/" removed (then bFlag is TRUE).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    // A shared icon of the program's resources (never destroyed).
    HICON LoadIcon(UINT nIDResource) const;

    // Dialog controls have the native 3-D look on every supported Windows.
    BOOL Enable3dControlsStatic();

    const char* m_pszAppName;
    HINSTANCE m_hInstance;  // the program's module: where resources are found
    CWnd* m_pMainWnd;       // cleared when that window is destroyed
};

// The process's one application object, or null before it is constructed.
CWinApp* AfxGetApp();
