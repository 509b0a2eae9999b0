// A probe for the command-line tests: runs the exclusion dialog's own
// initialisation on this process's real command line (split by the C
// run-time) and prints what it stored and whether it posted
// WM_START_UNATTENDED. The dialog ends right after its initialisation.
#include "app/ExclusionApp.h"
#include "app/ExclusionDlg.h"

#include <cstdio>

CExclusionApp theApp;

namespace {

void PrintHex(const char* name, const char* text)
{
    std::printf("%s=", name);
    for (const unsigned char* at = reinterpret_cast<const unsigned char*>(text); *at; ++at)
        std::printf("%02X", *at);
    std::printf("\n");
}

class CProbeDlg : public CExclusionDlg {
protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CExclusionDlg::OnInitDialog();
        MSG pending;
        const BOOL posted = PeekMessageA(&pending, m_hWnd, WM_START_UNATTENDED,
                                         WM_START_UNATTENDED, PM_NOREMOVE);
        PrintHex("component", m_strComponent);
        PrintHex("folder", m_strFolder);
        std::printf("autostart=%d\nposted=%d\n", m_bAutoStart ? 1 : 0, posted ? 1 : 0);
        std::fflush(stdout);
        EndDialog(IDCANCEL);
        return result;
    }
};

}  // namespace

int main()
{
    CProbeDlg dialog;
    return dialog.DoModal() == IDCANCEL ? 0 : 1;
}
