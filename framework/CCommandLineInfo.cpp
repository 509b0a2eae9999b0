#include "framework/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char*, BOOL, BOOL) {}
