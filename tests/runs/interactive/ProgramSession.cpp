#include "ProgramSession.h"

#include "LiveExitStatus.h"
#include "res/resource.h"

#include <stdexcept>

namespace {

const DWORD kTimeoutMs = 15000;

std::string FwExcludeExe()
{
    std::string path = std::string("Z:") + FWEXCLUDE_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

struct CaptionSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM context)
{
    CaptionSearch* search = reinterpret_cast<CaptionSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (owner != search->processId || !IsWindowVisible(window) ||
        std::string(caption) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The program's visible top-level window with this caption, or null.
HWND WaitForCaption(DWORD processId, const char* caption)
{
    for (DWORD waited = 0;; waited += 20) {
        CaptionSearch search = {processId, caption, nullptr};
        EnumWindows(&MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found || waited >= kTimeoutMs) return search.found;
        Sleep(20);
    }
}

}  // namespace

ProgramSession::ProgramSession()
    : m_program(FwExcludeExe(), ""),
      m_dialog(WaitForCaption(m_program.ProcessId(), "ファイアウォール対象除外"))
{
}

bool ProgramSession::StillRunning() const
{
    return m_program.WaitForExit(0) == STILL_ACTIVE;
}

HWND ProgramSession::ClickStart()
{
    PostMessageA(GetDlgItem(m_dialog, IDC_START), BM_CLICK, 0, 0);
    return WaitForBoxOwnedBy(m_dialog, kTimeoutMs);
}

BoxContents ProgramSession::ClickStartAndAnswer()
{
    HWND box = ClickStart();
    if (!box) return {"(no box)", "", IconKind::None};
    const BoxContents contents = ReadBox(box);
    if (!PressOk(box, kTimeoutMs)) throw std::runtime_error("the box did not close on OK");
    return contents;
}

bool ProgramSession::NoBoxFollows()
{
    return WaitForBoxOwnedBy(m_dialog, 1500) == nullptr;
}

void ProgramSession::SetPathField(const std::string& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(m_dialog, IDC_DROP_PATH), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kTimeoutMs, &result);
}

int ProgramSession::LiveStatus() const
{
    return LiveExitStatus(m_program.ProcessId());
}

bool ProgramSession::WaitForLiveStatus(int code) const
{
    for (DWORD waited = 0; waited < kTimeoutMs; waited += 20) {
        if (LiveStatus() == code) return true;
        Sleep(20);
    }
    return LiveStatus() == code;
}

DWORD ProgramSession::Close()
{
    PostMessageA(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return m_program.WaitForExit(kTimeoutMs);
}
