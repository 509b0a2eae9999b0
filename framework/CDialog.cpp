#include "framework/CDialog.h"

#include "framework/CWinApp.h"

namespace {

// Messages whose result is the dialog procedure's return value itself.
BOOL ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_nModalResult(-1), m_bEnded(FALSE)
{
}

INT_PTR CDialog::DoModal()
{
    CWinApp* app = AfxGetApp();
    HINSTANCE instance = app ? app->m_hInstance : GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* dialogTemplate = loaded ? LockResource(loaded) : nullptr;
    if (!dialogTemplate) return -1;

    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_nModalResult = -1;
    m_bEnded = FALSE;
    HWND hWnd = CreateDialogIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(dialogTemplate),
                                           parent, &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hWnd) return -1;
    if (parent) EnableWindow(parent, FALSE);

    if (!m_bEnded) RunModalLoop();

    // Hidden before it goes, so that the owner is activated cleanly.
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (parent) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
    }
    DestroyWindow(hWnd);
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    // Wakes the loop should it be waiting for a message.
    if (m_hWnd) PostMessage(WM_NULL);
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CDialog* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        return self->HandleInitDialog();
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
    CDialog* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!self) return FALSE;

    LRESULT result = 0;
    const BOOL handled = self->RouteMessage(message, wParam, lParam, &result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->Detach();
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::HandleInitDialog()
{
    RECT before;
    GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();
    if (m_bEnded || !m_hWnd) return result;
    // A hidden dialog without owner that its initialisation left in place
    // is centred on the screen before the modal loop shows it.
    RECT after;
    GetWindowRect(m_hWnd, &after);
    if (!IsWindowVisible(m_hWnd) && !GetWindow(m_hWnd, GW_OWNER) && EqualRect(&before, &after))
        CenterWindow();
    return result;
}

void CDialog::CenterWindow()
{
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RECT window;
    GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = work.left + (work.right - work.left - width) / 2;
    int y = work.top + (work.bottom - work.top - height) / 2;
    // Larger than the work area: keep the caption on the screen.
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::RunModalLoop()
{
    BOOL shown = FALSE;
    MSG msg;
    while (!m_bEnded) {
        if (!shown && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Idle for the first time: a dialog created hidden appears now.
            shown = TRUE;
            if (!IsWindowVisible(m_hWnd)) ShowWindow(SW_SHOWNORMAL);
            continue;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            break;
        }
        if (!IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}
