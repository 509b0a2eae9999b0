// The program's only window: the exclusion dialog. One or two command-line
// parameters select the unattended run, which starts from a posted
// WM_START_UNATTENDED before the dialog is ever shown; otherwise the dialog
// waits for its start button.
#pragma once

#include "app/DropEdit.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "res/resource.h"

// Posted once by the dialog's initialisation in the unattended mode.
#define WM_START_UNATTENDED (WM_APP + 1)

class CExclusionDlg : public CDialog {
public:
    enum { IDD = IDD_EXCLUSION };

    explicit CExclusionDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Draws the icon while minimised; otherwise the default painting.
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    // The interactive run (InteractiveRun.cpp).
    void OnStart();
    // The unattended run (UnattendedRun.cpp).
    LRESULT OnStartUnattended(WPARAM wParam, LPARAM lParam);

    CString m_strComponent;  // first parameter: the component code
    CString m_strFolder;     // second parameter: a folder
    BOOL m_bAutoStart;       // post WM_START_UNATTENDED from the initialisation
    CDropEdit m_editDropPath;
    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
