// Message tables: each window class lists the messages and commands it
// handles; a message goes to the first entry that matches, searching the
// class's table and then its base classes' tables.
#pragma once

#include "platform/Messages.h"

class CWnd;

struct MessageMapEntry {
    UINT message; // 0 ends the table
    UINT code;    // notification code of a WM_COMMAND
    int id;       // control or command ID of a WM_COMMAND
    void (*handler)(CWnd* wnd, const MSG& msg);
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
  public:                                                                                          \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;                                              \
                                                                                                   \
  private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, nullptr                                                                           \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries};                    \
    return &map;                                                                                   \
    }

#define TERVAN_HANDLER(body)                                                                       \
    [](CWnd* w, const MSG& m) {                                                                    \
        (void)m;                                                                                   \
        body;                                                                                      \
    }
#define TERVAN_THIS static_cast<ThisClass*>(w)
#define TERVAN_POINT CPoint(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam))

#define ON_COMMAND(id, fn) {WM_COMMAND, BN_CLICKED, id, TERVAN_HANDLER(TERVAN_THIS->fn())},
#define ON_BN_CLICKED(id, fn) ON_COMMAND(id, fn)
#define ON_WM_PAINT() {WM_PAINT, 0, 0, TERVAN_HANDLER(TERVAN_THIS->OnPaint())},
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER, 0, 0, TERVAN_HANDLER(TERVAN_THIS->OnTimer(static_cast<UINT>(m.wParam)))},
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0,                                                                          \
     TERVAN_HANDLER(TERVAN_THIS->OnSysCommand(static_cast<UINT>(m.wParam), m.lParam))},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, TERVAN_HANDLER(TERVAN_THIS->OnQueryDragIcon())},
#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN, 0, 0,                                                                         \
     TERVAN_HANDLER(TERVAN_THIS->OnLButtonDown(static_cast<UINT>(m.wParam), TERVAN_POINT))},
#define ON_WM_LBUTTONUP()                                                                          \
    {WM_LBUTTONUP, 0, 0,                                                                           \
     TERVAN_HANDLER(TERVAN_THIS->OnLButtonUp(static_cast<UINT>(m.wParam), TERVAN_POINT))},
#define ON_WM_MOUSEMOVE()                                                                          \
    {WM_MOUSEMOVE, 0, 0,                                                                           \
     TERVAN_HANDLER(TERVAN_THIS->OnMouseMove(static_cast<UINT>(m.wParam), TERVAN_POINT))},
#define ON_WM_KEYDOWN()                                                                            \
    {WM_KEYDOWN, 0, 0,                                                                             \
     TERVAN_HANDLER(TERVAN_THIS->OnKeyDown(static_cast<UINT>(m.wParam),                            \
                                           LOWORD(static_cast<std::uintptr_t>(m.lParam)),          \
                                           HIWORD(static_cast<std::uintptr_t>(m.lParam))))},
