#include "app/ExclusionDlg.h"

#include "app/ArgCommandLineInfo.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"

BEGIN_MESSAGE_MAP(CExclusionDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_START, OnStart)
    ON_MESSAGE(WM_START_UNATTENDED, OnStartUnattended)
END_MESSAGE_MAP()

CExclusionDlg::CExclusionDlg(CWnd* pParent)
    : CDialog(CExclusionDlg::IDD, pParent), m_bAutoStart(TRUE)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

void CExclusionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DROP_PATH, m_editDropPath);
}

BOOL CExclusionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_editDropPath.DragAcceptFiles(TRUE);

    CArgCommandLineInfo cmdInfo;
    AfxGetApp()->ParseCommandLine(cmdInfo);
    // Stored exactly as delivered; any other count is the interactive mode.
    switch (cmdInfo.m_params.GetSize()) {
    case 1:
        m_strComponent = cmdInfo.m_params[0];
        break;
    case 2:
        m_strComponent = cmdInfo.m_params[0];
        m_strFolder = cmdInfo.m_params[1];
        break;
    default:
        m_bAutoStart = FALSE;
        break;
    }
    // Posted, so that the modal loop finds it before the dialog is shown.
    if (m_bAutoStart) PostMessage(WM_START_UNATTENDED, 0, 0);
    return TRUE;
}

void CExclusionDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CExclusionDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
