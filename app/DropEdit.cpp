#include "app/DropEdit.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CDropEdit, CEdit)
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

void CDropEdit::OnDropFiles(HDROP hDropInfo)
{
    char path[1024];
    std::memset(path, 0, sizeof path);
    // At most 1023 bytes and the terminating zero; a failed query leaves
    // the buffer empty, and the empty text replaces the selection.
    DragQueryFileA(hDropInfo, 0, path, sizeof path);
    SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(path));
    Default();
    // Nothing else reads the drop: its memory goes back to the shell.
    DragFinish(hDropInfo);
}
