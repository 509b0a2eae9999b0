// A window the program handles through message maps: either a dialog (see
// CDialog) or a control attached to its window by SubclassWindow.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"

#include <windows.h>

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    BOOL ShowWindow(int nCmdShow);
    void GetWindowText(CString& rString) const;
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    // Runs DoDataExchange; bSaveAndValidate TRUE moves data from the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;

    // Attaches this object to an existing window and routes its messages
    // through the maps; the window's own procedure is the default processing.
    BOOL SubclassWindow(HWND hWnd);

    HWND m_hWnd;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default processing of the message being handled.
    LRESULT Default();

    // F1: sends ID_HELP to the main window, whose command routing ends in
    // the application object's help.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    // Routes one message: the window's maps, then for WM_COMMAND the
    // application object's. FALSE leaves the message to default processing.
    BOOL RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Window destroyed: the object lets go of it.
    void Detach();

    DECLARE_MESSAGE_MAP()

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        BOOL bDefaultWanted;
    };

    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper;            // the control's own procedure, when subclassed
    CurrentMessage* m_pCurrentMsg;  // innermost message being routed

    friend class CDialog;
};

// Dialog data exchange: which window, and in which direction.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches rControl to the dialog's control nIDC the first time; later
// calls find it attached and do nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
