#include "framework/CWinApp.h"

namespace {
CWinApp* g_currentApp = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_currentApp = this;
}

CWinApp::~CWinApp()
{
    if (g_currentApp == this) g_currentApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_currentApp;
}
