// FwExclude.exe started without parameters, its dialog driven from this
// process as a person would drive it: by the dialog's caption and its
// controls' ids.
#pragma once

#include "MessageBoxReading.h"
#include "tests/app/RunningProgram.h"

#include <windows.h>

#include <string>

class ProgramSession {
public:
    // Starts the program and waits for its dialog; Dialog() is null when
    // none appeared.
    ProgramSession();

    HWND Dialog() const { return m_dialog; }
    bool StillRunning() const;

    // Posts a click on the start button (a sent one would wait for the
    // handler's message box) and returns the box it opens, or null.
    HWND ClickStart();
    // Clicks the start button, reads the box and answers it with OK.
    BoxContents ClickStartAndAnswer();
    // True when no box appears within the time a run would need.
    bool NoBoxFollows();

    // The text of the (hidden) path field, set through the window API.
    void SetPathField(const std::string& text);

    // The exit status inside the running process.
    int LiveStatus() const;
    // Waits until the live status becomes the code; false on a timeout.
    bool WaitForLiveStatus(int code) const;

    // Closes the dialog by its close box; the process exit code.
    DWORD Close();

private:
    RunningProgram m_program;
    HWND m_dialog;
};
