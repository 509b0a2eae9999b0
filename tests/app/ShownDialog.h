// Runs the exclusion dialog modally in the test process and calls a test
// function once the modal loop has shown it; the dialog then ends.
#pragma once

#include "app/ExclusionDlg.h"

#include <functional>

class ShownDialog : public CExclusionDlg {
public:
    explicit ShownDialog(std::function<void(HWND)> whenShown) : m_whenShown(std::move(whenShown)) {}

    // TRUE when the test function ran on the visible dialog.
    bool RunUntilShown()
    {
        DoModal();
        return m_ran;
    }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CExclusionDlg::OnInitDialog();
        // Ticks until the modal loop has shown the dialog (a tick counts as
        // a message, so the loop may see one before its first idle moment).
        SetTimer(m_hWnd, 1, 20, nullptr);
        return result;
    }

    LRESULT OnTimer(WPARAM, LPARAM)
    {
        const bool shown = IsWindowVisible(m_hWnd) != FALSE;
        if (!shown && ++m_ticks < 250) return 0;
        KillTimer(m_hWnd, 1);
        if (shown) {
            m_whenShown(m_hWnd);
            m_ran = true;
        }
        EndDialog(IDCANCEL);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    std::function<void(HWND)> m_whenShown;
    bool m_ran = false;
    int m_ticks = 0;
};
