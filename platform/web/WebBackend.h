// The browser backend: the program's windows drawn by the core itself onto
// one canvas of a web page. Everything runs on the page's one thread. The
// page's event handlers only queue what happened; the program takes the
// events in its own loops: a modal dialog's loop handles the queued events,
// due timers and paint requests, shows what changed and then waits (the
// browser runs meanwhile), and Sleep shows the frame and waits without
// handling anything, so input and ticks that meet blocking work come after it.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/TimerTable.h"
#include "platform/web/Screen.h"

class WebWindow;
class PageInput;

class WebBackend : public IBackend {
  public:
    WebBackend();
    ~WebBackend() override;
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    // Installs this backend and runs the application object on it. When it
    // returns the program is over, and the page says so.
    void Run();

    // Every timer period and Sleep lasts `scale` times as long (1 in the
    // shipped page; the test page may run the clock faster).
    void SetTimeScale(double scale) { m_timeScale = scale > 0 ? scale : 1.0; }
    // NowSeconds answers this date instead of the clock's (test page only).
    void FixDate(time_seconds seconds) { m_fixedDate = seconds; }

    // --- What the input and the test hooks reach -------------------------
    WebWindow* Top() const;
    WebWindow* WindowOf(CWnd& wnd) const;
    Screen& GetScreen() { return m_screen; }
    // Delivers a message to a window now (the program is never held when
    // its loops take events).
    void Dispatch(CWnd& wnd, const MSG& msg);
    void Command(WebWindow& window, int id);
    // The page's text input follows the top window's edit.
    void BindInput();
    CWnd* Capture() const { return m_capture; }
    // The stack position of a window (0 at the bottom), or -1.
    int Depth(CWnd& wnd) const;
    int Depth() const { return static_cast<int>(m_stack.size()) - 1; }
    PageInput& Input() { return *m_input; }

    // What the test page watches (it keeps a journal of the run, counts the
    // ticks and publishes the top window); unset in the shipped page.
    std::function<void(CWnd&, const MSG&)> onDispatch;
    std::function<void(UINT id)> onTick;
    std::function<void(int depth, UINT templateId)> onWindowOpened;
    std::function<void(int depth, int result)> onWindowClosed;
    std::function<void(int depth, int id, const std::string& text)> onTyped;
    std::function<void()> onPresented;
    // Shows on the canvas what changed, and the top window in the page's
    // DOM mirror with its focus ring.
    void Present();
    // Whether Shift is held, for the key being handled.
    void SetShiftDown(bool down) { m_shiftDown = down; }

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
    bool IsIconic(CWnd&) override { return false; }
    void SetCapture(CWnd& wnd) override { m_capture = &wnd; }
    void ReleaseCapture() override { m_capture = nullptr; }
    void SetIcon(CWnd&, HICON, bool) override {}
    void DrawIcon(CWnd& wnd, int x, int y, HICON icon) override;
    void AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text) override;
    void SetTimer(CWnd& wnd, UINT id, UINT elapseMs) override;
    void KillTimer(CWnd& wnd, UINT id) override;
    void Sleep(UINT ms) override;
    time_seconds NowSeconds() override;
    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    void WindowDestroyed(CWnd& wnd) override;
    void NoteUnsavedWork(bool unsaved) override;
    void ClientPartsChanged(CWnd& wnd) override;
    int FocusedPart(CWnd& wnd) override;
    bool IsKeyDown(UINT vk) override { return vk == VK_SHIFT && m_shiftDown; }
    void Announce(CWnd& wnd, const CString& text) override;
    // Saving, printing and documents (WebOutput.cpp).
    SaveOutcome SaveFile(CWnd& owner, const SaveRequest& request) override;
    PrintResult PrintPictures(CWnd& owner, const PrintRequest& request) override;
    bool OpenDocument(CWnd& owner, const std::string& fileName) override;

  private:
    INT_PTR RunWindow(CDialog& dlg, std::unique_ptr<WebWindow> window);
    // One round of a modal loop: queued events, paint requests, due timers.
    void Pump(WebWindow& modal);
    void DeliverDueTimers();
    void Wait(bool wakeOnEvent);
    // Hands the page the top window's mirror when it changed.
    void SyncMirror();
    // The page's clock in whole milliseconds.
    std::int64_t NowMs() const;

    Screen m_screen;
    std::unique_ptr<PageInput> m_input;
    std::vector<std::unique_ptr<WebWindow>> m_stack; // bottom to top
    TimerTable m_timers;
    std::set<CWnd*> m_paints; // paint requests not yet run
    CWnd* m_capture = nullptr;
    int m_sleepDepth = 0;
    double m_timeScale = 1.0;
    time_seconds m_fixedDate = 0;
    bool m_shiftDown = false;
    std::string m_mirror;              // the mirror as the page last had it
    std::string m_menuMirror = "null"; // the open menu, likewise
};
