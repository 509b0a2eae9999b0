#include "app/ArgCommandLineInfo.h"

void CArgCommandLineInfo::ParseParam(const char* pszParam, BOOL, BOOL)
{
    m_params.Add(pszParam);
}
