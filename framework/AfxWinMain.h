// The process entry of a program written against this framework.
#pragma once

// Calls the application object's InitInstance and then its ExitInstance,
// whose result is returned as the process exit code. -1 when the framework
// cannot start (no application object, no common controls); then neither
// is called. The program's WinMain returns what this returns.
int AfxWinMain();
