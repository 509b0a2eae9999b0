// Resource identifiers shared by the resource script and the program.
#pragma once

#define IDD_EXCLUSION 102
#define IDR_MAINFRAME 128
#define IDC_DROP_PATH 1000
#define IDC_START 1001

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
