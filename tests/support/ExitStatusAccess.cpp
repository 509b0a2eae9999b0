#include "tests/support/ExitStatusAccess.h"

#include "app/ExclusionApp.h"

int CurrentExitCode()
{
    return static_cast<CExclusionApp*>(AfxGetApp())->m_nExitCode;
}

void PresetExitCode(int code)
{
    static_cast<CExclusionApp*>(AfxGetApp())->m_nExitCode = code;
}
