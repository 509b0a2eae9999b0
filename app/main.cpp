// FwExclude.exe: the program's one application object and its entry point.
#include "app/ExclusionApp.h"
#include "framework/AfxWinMain.h"

#include <windows.h>

CExclusionApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
