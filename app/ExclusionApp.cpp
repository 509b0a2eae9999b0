#include "app/ExclusionApp.h"

#include "app/ExitStatus.h"

CExclusionApp::CExclusionApp() : CWinApp(nullptr), m_nExitCode(EXIT_OK) {}
