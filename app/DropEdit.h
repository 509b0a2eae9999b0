// The dialog's path field: an edit control that takes the path of the
// first item dropped on it from the shell.
#pragma once

#include "framework/CEdit.h"

#include <shellapi.h>

class CDropEdit : public CEdit {
protected:
    // Inserts the first dropped path at the caret (replacing a selection).
    void OnDropFiles(HDROP hDropInfo);

    DECLARE_MESSAGE_MAP()
};
