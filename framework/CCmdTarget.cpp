#include "framework/CCmdTarget.h"

namespace {

BOOL Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam)
{
    if (entry.nMessage != message) return FALSE;
    if (message != WM_COMMAND) return TRUE;
    return entry.nCode == HIWORD(wParam) && entry.nID == LOWORD(wParam);
}

}  // namespace

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnMsgMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const MessageMap* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const MessageMapEntry* entry = map->lpEntries; entry->nMessage; ++entry) {
            if (Matches(*entry, message, wParam)) {
                *pResult = entry->pfnHandler(this, wParam, lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}
