#include "framework/AfxWinMain.h"

#include "framework/CWinApp.h"

#include <commctrl.h>

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    // The manifest selects version 6 of the common controls, whose window
    // classes exist only once the library has been initialised.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&controls)) return -1;
    // This framework runs no message loop of its own: the program's window
    // is a modal dialog that InitInstance runs, so its result is not used.
    app->InitInstance();
    return app->ExitInstance();
}
