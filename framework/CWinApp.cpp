#include "framework/CWinApp.h"

#include "framework/CCommandLineInfo.h"
#include "framework/CWnd.h"

#include <mbstring.h>

#include <cstdlib>
#include <cstring>

namespace {
CWinApp* g_currentApp = nullptr;
}

CWinApp::CWinApp(const char* appName)
    : m_pszAppName(appName), m_hInstance(GetModuleHandleA(nullptr)), m_pMainWnd(nullptr)
{
    g_currentApp = this;
}

CWinApp::~CWinApp()
{
    if (g_currentApp == this) g_currentApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::WinHelp(DWORD dwData, UINT nCmd)
{
    // The help file is the program's name with the extension ".hlp".
    char helpFile[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(m_hInstance, helpFile, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 4) return;
    unsigned char* name = reinterpret_cast<unsigned char*>(helpFile);
    unsigned char* dot = _mbsrchr(name, '.');
    if (dot && !_mbschr(dot, '\\')) *dot = '\0';
    std::strcat(helpFile, ".hlp");
    ::WinHelpA(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, helpFile, nCmd, dwData);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_FINDER);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // The C run-time's split of the command line: quotes group, and an
    // empty quoted argument is an argument.
    for (int i = 1; i < __argc; ++i) {
        const char* param = __argv[i];
        const BOOL bFlag = param[0] == '-' || param[0] == '/';
        if (bFlag) ++param;
        rCmdInfo.ParseParam(param, bFlag, i == __argc - 1);
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(nIDResource));
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}

CWinApp* AfxGetApp()
{
    return g_currentApp;
}
