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
        // Timer messages come only when the queue is empty, so after the
        // loop's first idle moment, when it has shown the dialog.
        SetTimer(m_hWnd, 1, 10, nullptr);
        return result;
    }

    LRESULT OnTimer(WPARAM, LPARAM)
    {
        KillTimer(m_hWnd, 1);
        if (IsWindowVisible(m_hWnd)) {
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
};
