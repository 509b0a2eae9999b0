// Exit status codes. The application object holds the last code recorded;
// it becomes the process exit code. Nothing ever resets it to EXIT_OK.
#pragma once

#include "app/ExclusionApp.h"

enum ExitCode : int {
    EXIT_OK = 0,
    EXIT_NOT_XP = 1,
    EXIT_NO_MNX_FOLDER = 2,
    EXIT_NO_WBQ_FOLDER = 3,
    EXIT_NO_DKQ_FOLDER = 4,
    // 5 is never used.
    EXIT_SCAN_FAILED = 6,
    EXIT_LEGACY_ENUM_FAILED = 7,
    EXIT_NO_BASIC_SET = 8,
    EXIT_NO_TERMINAL_SET = 9,
    EXIT_NO_ZPB_FOLDER = 10,
    EXIT_NO_ZPA_FOLDER = 11,
    EXIT_NO_SUCH_COMPONENT = 12,
    EXIT_FIREWALL_WRITE_FAILED = 13,
};

// Overwrites the exit status; the last code recorded wins.
inline void RecordExitCode(int code)
{
    static_cast<CExclusionApp*>(AfxGetApp())->m_nExitCode = code;
}
