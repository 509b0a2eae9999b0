// Receives the command-line arguments from CWinApp::ParseCommandLine.
#pragma once

#include <windows.h>

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // One argument, its leading "-" or "/" removed (bFlag TRUE then); bLast
    // is TRUE for the last one. This framework knows no standard switches,
    // so the base version ignores every argument.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
};
