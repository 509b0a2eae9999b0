#include "framework/CWnd.h"

#include "framework/CWinApp.h"
#include "framework/FrameworkIds.h"

#include <shellapi.h>

#include <vector>

namespace {
const char kObjectProperty[] = "FwExclude.CWnd";
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_pCurrentMsg(nullptr) {}

CWnd::~CWnd()
{
    // An object that goes away is no longer the main window.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    if (m_hWnd && m_pfnSuper) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropA(m_hWnd, kObjectProperty);
    }
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0) {
        rString.Empty();
        return;
    }
    // The length may be an over-estimate; the copy says how much it wrote.
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    rString = CString(buffer.data(), copied > 0 ? copied : 0);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    SetPropA(hWnd, kObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::Default()
{
    if (!m_pCurrentMsg) return 0;
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, m_pCurrentMsg->message, m_pCurrentMsg->wParam,
                               m_pCurrentMsg->lParam);
    // A dialog's default processing is the dialog manager's, which runs
    // once the dialog procedure reports the message as not handled.
    m_pCurrentMsg->bDefaultWanted = TRUE;
    return 0;
}

BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
        app->m_pMainWnd->SendMessage(WM_COMMAND, ID_HELP, 0);
    return TRUE;
}

BOOL CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CurrentMessage current = {message, wParam, lParam, FALSE};
    CurrentMessage* outer = m_pCurrentMsg;
    m_pCurrentMsg = &current;
    BOOL handled = OnMsgMap(message, wParam, lParam, pResult);
    if (!handled && message == WM_COMMAND && AfxGetApp())
        handled = AfxGetApp()->OnMsgMap(message, wParam, lParam, pResult);
    m_pCurrentMsg = outer;
    return handled && !current.bDefaultWanted;
}

void CWnd::Detach()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = static_cast<CWnd*>(GetPropA(hWnd, kObjectProperty));
    if (!self) return DefWindowProcA(hWnd, message, wParam, lParam);
    const WNDPROC super = self->m_pfnSuper;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        RemovePropA(hWnd, kObjectProperty);
        self->m_pfnSuper = nullptr;
        self->Detach();
        return CallWindowProcA(super, hWnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self->RouteMessage(message, wParam, lParam, &result)) return result;
    return CallWindowProcA(super, hWnd, message, wParam, lParam);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd) return;
    rControl.SubclassWindow(GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC));
}
