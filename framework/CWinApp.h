// The application object: one per process, reachable through AfxGetApp().
#pragma once

#include <windows.h>

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const char* m_pszAppName;
};

// The process's one application object, or null before it is constructed.
CWinApp* AfxGetApp();
