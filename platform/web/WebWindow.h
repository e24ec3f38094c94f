// One window of the browser backend: its frame, its client pixels (what a
// client DC draws on) and its controls, built from the dialog's template,
// drawn onto the page's picture. Only what changed is drawn again: the
// window collects the changed parts until the screen takes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/AccessibleDescription.h"
#include "platform/ClientOverlay.h"
#include "platform/ControlTable.h"
#include "platform/DialogTemplate.h"
#include "platform/KeyboardFocus.h"
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

    // --- Keyboard focus, by the framework's one rule -----------------------
    // The focused control's index, or -1 (a client part or nothing has it).
    int Focus() const;
    FocusStop FocusedStop() const { return m_keys.Current(); }
    void SetFocus(int index);
    void SetFocusStop(FocusStop stop);
    void FocusFirstTabStop();
    // Tab or Shift+Tab; tabbing into an edit selects its text.
    void FocusNext(bool backwards);
    // The window's controls and parts as the focus rules see them.
    std::vector<ControlFacts> Facts() const { return m_controls.Facts(); }
    const std::vector<ClientPart>& Parts() const;
    // A key is used in the window: its keyboard cues come on for good.
    void UseKeys();
    bool CuesShown() const { return m_keys.CuesShown(); }
    // Control `index` is being disabled while it has the focus. Without
    // keyboard cues no control shows the focus afterwards, as a pointer's
    // user has always seen it; the stop is kept, and Tab goes on from it.
    void LosingFocus(int index);
    // The focus that a disabling took away comes back on the next stop
    // that takes it (a key other than Tab is about to be used).
    void RestoreLostFocus();
    // After an event: the focus moves on from a stop that can no longer
    // take it (keyboard cues on), as every backend does.
    void SettleFocus();
    // What the focus ring goes round, in client pixels; empty when the ring
    // does not show (no cues yet, or no focus).
    Box RingAround() const;
    // The command Return gives: the focused button's, else the default
    // button's; 0 when Return does nothing here.
    int ReturnCommand() const;
    // The control the page's text input stands behind, or -1.
    int TypedEdit() const;

    // --- Client parts and what assistive technology is told -----------------
    // The window's parts changed: the buttons it has painted are drawn anew.
    void PartsChanged();
    // Which window this is: each window the page opens gets a new number.
    int Serial() const { return m_serial; }
    // The caption of a window built without a template (a message box).
    const std::string& Caption() const { return m_caption; }
    AccessibleWindow Describe() const;

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
    KeyboardFocus m_keys;
    // The stop a disabling took the focus from while the window had no
    // keyboard cues; the first key brings the focus back after it.
    FocusStop m_lost;
    ClientOverlay m_buttons; // the painted parts as last drawn
    int m_serial = 0;
    std::vector<MenuItem> m_menu;
};
