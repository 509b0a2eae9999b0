// Message maps: each class lists the messages it handles, and a message is
// looked up in the most derived class's map first, then in its bases' maps.
// Every entry calls its handler through a member pointer of the handler's
// exact form, so a handler of the wrong form does not compile.
#pragma once

#include <windows.h>

class CCmdTarget;

struct MessageMapEntry {
    UINT nMessage;  // 0 ends a map
    UINT nCode;     // WM_COMMAND only: the notification code
    UINT nID;       // WM_COMMAND only: the command or control identifier
    LRESULT (*pfnHandler)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* (*pfnGetBaseMap)();  // null for the root
    const MessageMapEntry* lpEntries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Calls the first matching handler of the maps; FALSE when none matches.
    BOOL OnMsgMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap()                                    \
    {                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                   \
        using TheBaseClass = baseClass;                                                \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                          \
            {0, 0, 0, nullptr}};                                                   \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                               \
    }

// One entry: `form` declares `handler` as a member pointer of ThisClass,
// `call` uses it on `self` and yields the message result.
#define MESSAGE_MAP_ENTRY(message, code, id, form, member, call)                      \
    {message, code, id, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         (void)wParam;                                                                \
         (void)lParam;                                                                \
         form = &ThisClass::member;                                                   \
         ThisClass* self = static_cast<ThisClass*>(target);                           \
         return call;                                                                 \
     }},

#define ON_WM_PAINT() \
    MESSAGE_MAP_ENTRY(WM_PAINT, 0, 0, void (ThisClass::*handler)(), OnPaint, ((self->*handler)(), 0))
#define ON_WM_QUERYDRAGICON()                                                          \
    MESSAGE_MAP_ENTRY(WM_QUERYDRAGICON, 0, 0, HCURSOR (ThisClass::*handler)(), OnQueryDragIcon, \
                      reinterpret_cast<LRESULT>((self->*handler)()))
#define ON_WM_DROPFILES()                                                              \
    MESSAGE_MAP_ENTRY(WM_DROPFILES, 0, 0, void (ThisClass::*handler)(HDROP), OnDropFiles, \
                      ((self->*handler)(reinterpret_cast<HDROP>(wParam)), 0))
#define ON_WM_HELPINFO()                                                               \
    MESSAGE_MAP_ENTRY(WM_HELP, 0, 0, BOOL (ThisClass::*handler)(HELPINFO*), OnHelpInfo, \
                      (self->*handler)(reinterpret_cast<HELPINFO*>(lParam)))
#define ON_MESSAGE(message, memberFxn)                                                 \
    MESSAGE_MAP_ENTRY(message, 0, 0, LRESULT (ThisClass::*handler)(WPARAM, LPARAM), memberFxn, \
                      (self->*handler)(wParam, lParam))
#define ON_COMMAND(id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, 0, id, void (ThisClass::*handler)(), memberFxn, ((self->*handler)(), 0))
#define ON_BN_CLICKED(id, memberFxn)                                                   \
    MESSAGE_MAP_ENTRY(WM_COMMAND, BN_CLICKED, id, void (ThisClass::*handler)(), memberFxn, \
                      ((self->*handler)(), 0))
