// One window of the browser backend: its frame, its client pixels (what a
// client DC draws on) and its controls, built from the dialog's template,
// drawn onto the page's picture. Only what changed is drawn again: the
// window collects the changed parts until the screen takes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ControlTable.h"
#include "platform/DialogTemplate.h"
#include "platform/Painter.h"
#include "platform/Surface.h"

class CWnd;

class WebWindow {
  public:
    // `fillsPage`: the program's main window, which the page shows without a
    // frame or caption of its own (the page's title is its caption).
    WebWindow(CWnd& wnd, const DialogTemplate* tpl, bool fillsPage);
    // A window the backend builds itself (a message box): a client area of
    // `clientW` x `clientH` pixels under a caption bar, with its controls
    // added afterwards.
    WebWindow(CWnd& wnd, const std::string& caption, int clientW, int clientH);

    CWnd& Wnd() const { return m_wnd; }
    const DialogTemplate* Template() const { return m_tpl; }
    const FontRequest& Font() const { return m_font; }

    // --- Place on the page ------------------------------------------------
    Box Outer() const { return {m_x, m_y, m_width, m_height}; }
    Box ClientOnScreen() const { return m_clientBox.Offset(m_x, m_y); }
    void MoveTo(int x, int y);
    // The outer size a window of this template has.
    static Box OuterSize(const DialogTemplate* tpl, bool fillsPage);

    // --- Client pixels and controls ----------------------------------------
    Surface& Client() { return m_client; }
    // The client pixels changed: find what did and have it drawn again.
    void ClientChanged();
    std::vector<DialogControl>& Controls() { return m_controls.All(); }
    DialogControl* Control(int id) { return m_controls.Find(id); }
    void AddControl(DialogControl c);
    void ControlChanged(const DialogControl& c);
    // Index of the control that takes the pointer at client point (x, y), or -1.
    int HitControl(int x, int y) const { return m_controls.HitControl(x, y); }

    // --- Keyboard focus ---------------------------------------------------
    int Focus() const { return m_focus; }
    void SetFocus(int index);
    void FocusFirstTabStop();
    void FocusNext(bool backwards);
    // The command Return gives: the focused button's, else the default
    // button's; 0 when Return does nothing here.
    int ReturnCommand() const;
    // The control the page's text input stands behind, or -1.
    int TypedEdit() const;

    // --- The system menu's items, offered from a context menu -------------
    struct MenuItem {
        UINT flags;
        UINT id;
        std::string text;
    };
    std::vector<MenuItem>& Menu() { return m_menu; }

    // --- Modal state --------------------------------------------------------
    bool ended = false;
    int result = IDCANCEL;

    // --- The picture ----------------------------------------------------------
    // What changed since the last call, in page coordinates (empty when
    // nothing did); the screen then draws it again.
    Box Update();
    // Draws the part of the window within `pageRegion` (page coordinates)
    // where the window stands, onto `target`, whose (0, 0) is the page's
    // (originX, originY). The window keeps no picture of its own: only its
    // client's pixels.
    void DrawInto(Surface& target, Box pageRegion, int originX, int originY) const;
    void InvalidateAll() { m_dirty = {0, 0, m_width, m_height}; }

  private:
    void Invalidate(Box outer) { m_dirty = m_dirty.Union(outer); }
    // Sizes the window round a client area of `client`'s size.
    void Place(const Box& client);
    void BuildControls();

    CWnd& m_wnd;
    const DialogTemplate* m_tpl;
    FontRequest m_font;
    int m_x = 0, m_y = 0;
    WindowFrame m_frame;
    Box m_clientBox;       // where the client area stands in the window
    std::string m_caption; // a caption bar's text; none when empty
    Surface m_client;
    Surface m_clientShown;         // the client as last drawn on the page
    int m_width = 0, m_height = 0; // the whole window, frame included
    Box m_dirty;
    ControlTable m_controls;
    int m_focus = -1;
    std::vector<MenuItem> m_menu;
};
