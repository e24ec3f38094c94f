// The real window system: the framework's windows as Qt widgets, their
// timers on the shared timer table with one Qt timer to wake them, modal
// dialogs as nested event loops. Everything runs on the one GUI thread.
// Messages reach the windows one at a time through Dispatch; while a handler
// is held in Sleep, user input, paint requests and timer ticks wait and are
// delivered once it returns.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "platform/Backend.h"
#include "platform/qt/QtTimers.h"

class DialogWindow;
class QEventLoop;
class QWidget;

class QtBackend : public IBackend {
  public:
    // Needs the QApplication; gives it the classic look. Install it with
    // SetBackend.
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    // --- What the widgets call ------------------------------------------
    // User input for `wnd`: handled now, or after the blocking work that
    // holds the thread, in the order it came.
    void Input(CWnd& wnd, const MSG& msg);
    // A key for a client part of `wnd`, as WM_KEYDOWN, with Shift as it was.
    void InputKey(CWnd& wnd, UINT vk, bool shift);
    // Some other user action (a menu to open): runs under the same rule.
    void InputAction(CWnd& wnd, std::function<void()> action);
    // The window was exposed or restored: run its paint handler soon.
    void PostPaint(CWnd& wnd);
    // The client area of `wnd` was painted on the screen.
    void ClientPainted(CWnd& wnd);
    // True while blocking work holds the thread.
    bool IsHeld() const { return m_nSleepDepth > 0; }
    // Runs the window's clock faster for tests that would otherwise wait
    // minutes for what the timers move: every timer period and every Sleep lasts `scale`
    // times as long (1 in the program). Ticks keep their order and count.
    void SetTimeScale(double scale) { m_dTimeScale = scale; }

    // The window of `wnd`, or null when it has none.
    DialogWindow* WindowOf(CWnd& wnd) const;
    // Called once a modal window is on the screen and once its run ends.
    std::function<void(CDialog&, DialogWindow&)> onModalShown;
    std::function<void(CDialog&, int result)> onModalEnded;
    std::function<void(CWnd&)> onClientPainted;
    // Called after a window's paint handler has run.
    std::function<void(CWnd&)> onPaintHandled;

    // --- IBackend ---------------------------------------------------------
    INT_PTR RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int result) override;
    bool HasControl(CWnd& wnd, int id) override;
    void EnableControl(CWnd& wnd, int id, bool enable) override;
    bool IsControlEnabled(CWnd& wnd, int id) override;
    void SetControlText(CWnd& wnd, int id, const CString& text) override;
    CString GetControlText(CWnd& wnd, int id) override;
    Surface* ClientSurface(CWnd& wnd) override;
    void ClientUpdated(CWnd& wnd) override;
    bool IsIconic(CWnd& wnd) override;
    void SetCapture(CWnd& wnd) override;
    void ReleaseCapture() override;
    void SetIcon(CWnd& wnd, HICON icon, bool big) override;
    void DrawIcon(CWnd& wnd, int x, int y, HICON icon) override;
    void AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text) override;
    void SetTimer(CWnd& wnd, UINT id, UINT elapseMs) override;
    void KillTimer(CWnd& wnd, UINT id) override;
    void Sleep(UINT ms) override;
    time_seconds NowSeconds() override;
    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    void WindowDestroyed(CWnd& wnd) override;
    void ClientPartsChanged(CWnd& wnd) override;
    int FocusedPart(CWnd& wnd) override;
    bool IsKeyDown(UINT vk) override { return vk == VK_SHIFT && m_bShiftDown; }
    // Saving, printing and documents (QtOutput.cpp).
    SaveOutcome SaveFile(CWnd& owner, const SaveRequest& request) override;
    PrintResult PrintPictures(CWnd& owner, const PrintRequest& request) override;
    bool OpenDocument(CWnd& owner, const std::string& fileName) override;

  private:
    struct Modal {
        DialogWindow* window = nullptr;
        QEventLoop* loop = nullptr;
        bool ended = false;
        int result = IDCANCEL;
    };
    struct Held {
        CWnd* wnd;
        std::function<void()> action;
    };

    // True once the window's end has been asked for, before its loop leaves.
    bool HasEnded(CWnd& wnd) const;
    // True while a dialog over the window blocks its input.
    bool IsUnderDialog(CWnd& wnd) const;
    void Dispatch(CWnd& wnd, const MSG& msg);
    // Delivers what waited for blocking work: input in order, paints, then
    // each timer that fell due, once.
    void DeliverHeld();
    void Tick(CWnd& wnd, UINT id);
    UINT Scaled(UINT ms) const;
    void Paint(CWnd& wnd);
    QWidget* OwnerWidget(CDialog& dlg) const;

    std::map<CWnd*, Modal*> m_windows;
    QtTimers m_timers;
    std::deque<Held> m_held;
    std::set<CWnd*> m_paintsPosted; // paint requests not yet run
    std::set<CWnd*> m_paintsHeld;   // paint requests that met blocking work
    CWnd* m_pCapture = nullptr;
    int m_nSleepDepth = 0;
    double m_dTimeScale = 1.0;
    int m_nDispatchDepth = 0;
    bool m_bSleptInHandler = false; // the running handler is blocking work
    bool m_bShiftDown = false;      // as the key being handled was pressed
    QString m_lastSaveFolder;       // where the file dialog opens next
};
