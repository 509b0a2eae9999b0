// The program's application object; it holds the process exit status.
#pragma once

#include "framework/CWinApp.h"

class CExclusionApp : public CWinApp {
public:
    CExclusionApp();

    int m_nExitCode;
};
