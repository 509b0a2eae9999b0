// A modal dialog built from a dialog template of the program's resources.
#pragma once

#include "framework/CWnd.h"

#include <windows.h>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog hidden, runs OnInitDialog, then the modal loop,
    // which shows the dialog the first time it finds the message queue
    // empty (a message posted during the initialisation is handled first).
    // Returns the EndDialog result, or -1 when the dialog cannot be created.
    virtual INT_PTR DoModal();

    // Attaches the controls (UpdateData with FALSE); TRUE lets the dialog
    // manager focus the first control that can take it.
    virtual BOOL OnInitDialog();

    // Ends the modal loop once the current message has been handled.
    void EndDialog(int nResult);

protected:
    // IDOK: saves the data exchange and ends with IDOK when that succeeds.
    virtual void OnOK();
    // IDCANCEL (close box, Escape): ends with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    void CenterWindow();
    void RunModalLoop();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult;
    BOOL m_bEnded;
};
