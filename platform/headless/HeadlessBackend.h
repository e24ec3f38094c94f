// The scripted backend the tests run on: no display and no real time. A test
// clock delivers timer ticks in order, Sleep advances it, modal dialogs answer
// from a script, message boxes are recorded, and every window's controls and
// client pixels can be read. Constructing one installs it; destroying it
// uninstalls it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/AccessibleDescription.h"
#include "platform/Backend.h"
#include "platform/ClientOverlay.h"
#include "platform/ControlTable.h"
#include "platform/DialogTemplate.h"
#include "platform/KeyboardFocus.h"
#include "platform/Surface.h"
#include "platform/TimerTable.h"

class HeadlessBackend : public IBackend {
  public:
    HeadlessBackend();
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // --- The test clock -------------------------------------------------
    std::int64_t NowMs() const { return m_nowMs; }
    // Wall-clock time at clock 0, in seconds since 1970.
    void SetEpoch(time_seconds seconds) { m_epochSeconds = seconds; }
    // Moves the clock forward, delivering every timer tick that falls due,
    // in order of due time. Can be called from a modal script, where the
    // main window's timers keep ticking behind the dialog.
    void Advance(std::int64_t ms);
    // Delivers the input queued during blocking work and every timer now due.
    void Pump();
    bool IsTimerRunning(CWnd& wnd, UINT id) const { return m_timers.IsRunning(wnd, id); }
    // The period a running timer was started with (at least 1 ms), or 0.
    UINT TimerPeriod(CWnd& wnd, UINT id) const { return m_timers.Period(wnd, id); }
    std::int64_t TotalSleptMs() const { return m_sleptMs; }

    // --- Windows --------------------------------------------------------
    // Creates the dialog's window without a modal loop and initialises it, so
    // that a test can drive it message by message.
    void Open(CDialog& dlg);
    void Close(CDialog& dlg);
    // Whether the dialog's run has been ended (its window goes once its
    // modal run returns).
    bool HasEnded(CWnd& wnd);

    // --- Input (queued while a handler is blocked in Sleep) --------------
    void Click(CWnd& wnd, int id);
    void Mouse(CWnd& wnd, UINT message, int x, int y);
    void Send(CWnd& wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Paint(CWnd& wnd) { Send(wnd, WM_PAINT); }
    // A key pressed in the window (with Shift held when `shift`), routed as
    // every backend routes it: Tab moves the focus, a key on a focused part
    // is the window's WM_KEYDOWN, Return and Space press buttons, F1 asks
    // for help. The first key turns the window's keyboard cues on.
    void Key(CWnd& wnd, UINT vk, bool shift = false);
    void SetIconic(CWnd& wnd, bool iconic);

    // --- Modal dialogs ---------------------------------------------------
    // The next modal dialog runs `script` once it is initialised. The script
    // may set edit texts, advance the clock, open nothing else; it returns the
    // command to give the dialog (IDOK runs its OK handling, IDCANCEL its
    // cancel) unless the dialog has already ended itself.
    using ModalScript = std::function<int(CDialog& dlg)>;
    void ExpectModal(ModalScript script);
    // Answers a modal dialog that opens while no script is queued; without
    // it such a dialog is a script failure.
    ModalScript defaultModal;
    std::size_t PendingModalScripts() const { return m_scripts.size(); }
    int ModalDepth() const { return m_modalDepth; }

    // --- Message boxes ---------------------------------------------------
    struct Box {
        std::string text;
        std::string caption;
        UINT type;
    };
    const std::vector<Box>& MessageBoxes() const { return m_boxes; }
    void ClearMessageBoxes() { m_boxes.clear(); }
    // Runs inside each message box while it is "open" (it may advance the clock).
    std::function<void(const Box&)> onMessageBox;

    // --- What the windows show -------------------------------------------
    bool IsControlVisible(CWnd& wnd, int id);
    std::string ControlText(CWnd& wnd, int id) { return GetControlText(wnd, id).str(); }
    COLORREF ClientPixel(CWnd& wnd, int x, int y);
    int ClientUpdates(CWnd& wnd);
    std::function<void(CWnd&)> onClientUpdated;
    std::function<void(UINT ms)> onSleep;
    // Runs as each timer tick is delivered, the clock standing at the tick.
    std::function<void(CWnd&, UINT id)> onTick;
    CWnd* Capture() const { return m_capture; }
    struct MenuItem {
        UINT flags;
        UINT id;
        std::string text;
    };
    std::vector<MenuItem> SystemMenu(CWnd& wnd);
    HICON Icon(CWnd& wnd, bool big);
    // Icons drawn on a window's client area, in order (no pixels: the test
    // backend has no icon artwork).
    struct IconDraw {
        int x;
        int y;
        HICON icon;
    };
    std::vector<IconDraw> IconDraws(CWnd& wnd);

    // --- Keyboard focus and what assistive technology is told ---------------
    FocusStop Focus(CWnd& wnd);
    bool CuesShown(CWnd& wnd);
    // The ID of the control that has the focus; 0 when a part or nothing has it.
    int FocusedControl(CWnd& wnd);
    // The pixel the screen shows: the client's, with the focus ring and the
    // painted parts over it.
    COLORREF ShownPixel(CWnd& wnd, int x, int y);
    ClientOverlay Overlay(CWnd& wnd);
    AccessibleWindow Describe(CWnd& wnd);
    const std::vector<std::string>& Announcements() const { return m_announcements; }
    void ClearAnnouncements() { m_announcements.clear(); }
    // How many times a window told the backend its parts changed.
    int PartChanges() const { return m_partChanges; }

    // Failures of the test script itself (an unanswered dialog, say); by
    // default they abort, tests usually turn them into test failures.
    std::function<void(const std::string&)> onScriptFailure;

    // What the program last said of its unsaved work.
    bool UnsavedWork() const { return m_unsavedWork; }

    // --- Saving, printing, documents (HeadlessOutput.cpp) -----------------
    // How a save is answered, as a user in a file dialog would: the outcome,
    // and the path to write the bytes to when it is Saved (none: the bytes
    // are only kept here). A write that fails makes it Failed. Without an
    // answer every save is Saved, unwritten.
    struct SaveAnswer {
        SaveResult result = SaveResult::Saved;
        std::string path;
    };
    std::function<SaveAnswer(const SaveRequest&)> onSave;
    // Every save asked for, answered or not.
    const std::vector<SaveRequest>& Saves() const { return m_saves; }
    // Printing answers Printed unless told otherwise.
    std::function<PrintResult(const PrintRequest&)> onPrint;
    const std::vector<PrintRequest>& Prints() const { return m_prints; }
    // Documents asked to be opened; each opens unless `documentMissing`.
    const std::vector<std::string>& OpenedDocuments() const { return m_documents; }
    bool documentMissing = false;

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
    void SetCapture(CWnd& wnd) override { m_capture = &wnd; }
    void ReleaseCapture() override { m_capture = nullptr; }
    void SetIcon(CWnd& wnd, HICON icon, bool big) override;
    void DrawIcon(CWnd& wnd, int x, int y, HICON icon) override;
    void AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text) override;
    void SetTimer(CWnd& wnd, UINT id, UINT elapseMs) override;
    void KillTimer(CWnd& wnd, UINT id) override;
    void Sleep(UINT ms) override;
    time_seconds NowSeconds() override { return m_epochSeconds + m_nowMs / 1000; }
    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    void WindowDestroyed(CWnd& wnd) override;
    void NoteUnsavedWork(bool unsaved) override { m_unsavedWork = unsaved; }
    void ClientPartsChanged(CWnd& wnd) override;
    int FocusedPart(CWnd& wnd) override;
    bool IsKeyDown(UINT vk) override { return vk == VK_SHIFT && m_shiftDown; }
    void Announce(CWnd& wnd, const CString& text) override;
    SaveOutcome SaveFile(CWnd& owner, const SaveRequest& request) override;
    PrintResult PrintPictures(CWnd& owner, const PrintRequest& request) override;
    bool OpenDocument(CWnd& owner, const std::string& fileName) override;

  private:
    struct Window {
        const DialogTemplate* tpl = nullptr;
        ControlTable controls;
        Surface client;
        bool iconic = false;
        bool ended = false;
        int result = 0;
        int clientUpdates = 0;
        HICON bigIcon = 0;
        HICON smallIcon = 0;
        std::vector<MenuItem> systemMenu;
        std::vector<IconDraw> iconDraws;
        KeyboardFocus focus;
    };
    struct Input {
        CWnd* wnd;
        MSG msg;
    };

    Window* Find(CWnd& wnd);
    Window& Create(CDialog& dlg);
    DialogControl* FindControl(CWnd& wnd, int id);
    void Dispatch(CWnd& wnd, const MSG& msg);
    void Deliver(CWnd& wnd, const MSG& msg);
    bool DeliverOneDueTimer(std::int64_t until);
    void Fail(const std::string& what);
    // Every window's focus moves on from a stop that can no longer take it.
    void SettleFocus();

    std::int64_t m_nowMs = 0;
    time_seconds m_epochSeconds = 1796644800; // 2026-12-07 12:00 UTC
    std::int64_t m_sleptMs = 0;
    int m_dispatchDepth = 0;
    int m_sleepDepth = 0;
    int m_modalDepth = 0;
    CWnd* m_capture = nullptr;
    bool m_unsavedWork = false;
    std::map<CWnd*, std::unique_ptr<Window>> m_windows;
    TimerTable m_timers;
    std::deque<Input> m_queued;
    std::deque<ModalScript> m_scripts;
    std::vector<Box> m_boxes;
    std::vector<std::string> m_announcements;
    bool m_shiftDown = false;
    std::vector<SaveRequest> m_saves;
    std::vector<PrintRequest> m_prints;
    std::vector<std::string> m_documents;
    int m_partChanges = 0;
};
