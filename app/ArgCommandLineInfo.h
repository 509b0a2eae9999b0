// Collects every command-line parameter, in order; no switch has a meaning.
#pragma once

#include "framework/CCommandLineInfo.h"
#include "framework/CStringArray.h"

class CArgCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

    CStringArray m_params;
};
