// The one small interface between the framework and a window system. Three
// backends implement it: the desktop's over Qt 6 Widgets (platform/qt), the
// browser's over one canvas of a web page (platform/web), and the scripted
// one the tests run on, with a test clock and no display
// (platform/headless). The framework's window classes call it; the system
// never does. A backend that shows controls paints them with ClassicLook.
#pragma once

#include "platform/CString.h"
#include "platform/CTime.h"
#include "platform/Messages.h"
#include "platform/Output.h"

class CWnd;
class CDialog;
struct Surface;

class IBackend {
  public:
    virtual ~IBackend() = default;

    // Dialogs: build the window from the dialog's template, initialise it,
    // run it until EndModal and return the result given there.
    virtual INT_PTR RunModal(CDialog& dlg) = 0;
    virtual void EndModal(CDialog& dlg, int result) = 0;

    // Controls of a dialog window, by ID.
    virtual bool HasControl(CWnd& wnd, int id) = 0;
    virtual void EnableControl(CWnd& wnd, int id, bool enable) = 0;
    virtual bool IsControlEnabled(CWnd& wnd, int id) = 0;
    virtual void SetControlText(CWnd& wnd, int id, const CString& text) = 0;
    virtual CString GetControlText(CWnd& wnd, int id) = 0;

    // The window's client pixels, which a client DC draws on; after drawing,
    // ClientUpdated tells the window to show them.
    virtual Surface* ClientSurface(CWnd& wnd) = 0;
    virtual void ClientUpdated(CWnd& wnd) = 0;

    virtual bool IsIconic(CWnd& wnd) = 0;
    virtual void SetCapture(CWnd& wnd) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void SetIcon(CWnd& wnd, HICON icon, bool big) = 0;
    // Draws icon resource `icon` at its standard size (32 x 32) on the
    // window's client pixels with its top-left corner at (x, y); the pixels
    // around the icon's shape stay as they are.
    virtual void DrawIcon(CWnd& wnd, int x, int y, HICON icon) = 0;
    virtual void AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text) = 0;

    // Timers tick as WM_TIMER on the one thread, also while a modal dialog is
    // open; Sleep holds the thread (no input, no ticks) while frames still show.
    virtual void SetTimer(CWnd& wnd, UINT id, UINT elapseMs) = 0;
    virtual void KillTimer(CWnd& wnd, UINT id) = 0;
    virtual void Sleep(UINT ms) = 0;
    virtual time_seconds NowSeconds() = 0;

    virtual int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) = 0;

    // Whether the program holds work that ends with it (noted rows): a
    // platform that can lose the program without asking it (a browser page
    // being closed or reloaded) asks the user first.
    virtual void NoteUnsavedWork(bool unsaved) { (void)unsaved; }

    // --- Saving, printing, documents (optional; see platform/Output.h) -----
    // Saves the bytes, asking the user where (or handing them to the
    // browser as a download).
    virtual SaveOutcome SaveFile(CWnd& owner, const SaveRequest& request)
    {
        (void)owner;
        return {SaveResult::Failed, request.suggestedName};
    }
    virtual PrintResult PrintPictures(CWnd& owner, const PrintRequest& request)
    {
        (void)owner;
        (void)request;
        return PrintResult::Failed;
    }
    virtual bool OpenDocument(CWnd& owner, const std::string& fileName)
    {
        (void)owner;
        (void)fileName;
        return false;
    }

    // --- Keys, client parts and assistive technology (all optional) -------
    // The window's client parts changed (CWnd keeps them): the backend
    // repaints what it paints of them, moves the focus off a part that went
    // and tells assistive technology.
    virtual void ClientPartsChanged(CWnd& wnd) { (void)wnd; }
    // The ID of the client part of `wnd` that holds the keyboard focus; 0
    // when none does.
    virtual int FocusedPart(CWnd& wnd)
    {
        (void)wnd;
        return 0;
    }
    // Whether key `vk` (VK_SHIFT, say) is held down as the message being
    // handled was sent.
    virtual bool IsKeyDown(UINT vk)
    {
        (void)vk;
        return false;
    }
    // News for the student that a screen reader speaks at once (a warning,
    // a noted row), where the platform has a way to say it.
    virtual void Announce(CWnd& wnd, const CString& text)
    {
        (void)wnd;
        (void)text;
    }

    // A window is being destroyed: forget its timers and state.
    virtual void WindowDestroyed(CWnd& wnd) = 0;
};

IBackend* GetBackend();
void SetBackend(IBackend* backend);
