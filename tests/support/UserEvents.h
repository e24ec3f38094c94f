// One thing a user (or the clock) does to the main window, as data, so a
// sequence can be replayed, shortened and printed; and a generator that picks
// the next one at random, leaning on what the window shows now.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "app/TervanDlg.h"
#include "platform/Faults.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/BenchPoints.h"
#include "support/ProcedureButtons.h"

struct UserEvent {
    enum Kind {
        Click,
        ButtonDown,
        MouseMove,
        ButtonUp,
        Advance,
        Timer,
        Paint,
        AboutCommand,
        FailLater // the b-th drawing operation of kind a from now on fails
    };
    Kind kind = Paint;
    int a = 0; // control ID, client x, milliseconds or timer ID
    int b = 0; // client y
    // Seeds everything decided while the event is handled: the program's own
    // draws, the answers to dialogs, input made during blocking work.
    std::uint32_t sub = 0;

    std::string Describe() const
    {
        const std::string s = " (sub " + std::to_string(sub) + ")";
        const std::string at = " at (" + std::to_string(a) + ", " + std::to_string(b) + ")";
        switch (kind) {
        case Click:
            return "click " + std::to_string(a) + s;
        case ButtonDown:
            return "button down" + at + s;
        case MouseMove:
            return "mouse move" + at + s;
        case ButtonUp:
            return "button up" + at + s;
        case Advance:
            return "advance " + std::to_string(a) + " ms" + s;
        case Timer:
            return "WM_TIMER " + std::to_string(a) + s;
        case Paint:
            return "paint" + s;
        case AboutCommand:
            return "system menu About" + s;
        case FailLater:
            return "fail operation " + std::to_string(b) + " of kind " + std::to_string(a) + s;
        }
        return "?";
    }

    void SendTo(HeadlessBackend& backend, CTervanDlg& dlg) const
    {
        switch (kind) {
        case Click:
            backend.Click(dlg, a);
            break;
        case ButtonDown:
            backend.Mouse(dlg, WM_LBUTTONDOWN, a, b);
            break;
        case MouseMove:
            backend.Mouse(dlg, WM_MOUSEMOVE, a, b);
            break;
        case ButtonUp:
            backend.Mouse(dlg, WM_LBUTTONUP, a, b);
            break;
        case Advance:
            backend.Advance(a);
            break;
        case Timer:
            backend.Send(dlg, WM_TIMER, static_cast<WPARAM>(a));
            break;
        case Paint:
            backend.Paint(dlg);
            break;
        case AboutCommand:
            backend.Send(dlg, WM_SYSCOMMAND, CTervanDlg::kAboutCommand);
            break;
        case FailLater:
            Faults::Arm(static_cast<GdiOp>(a), b);
            break;
        }
    }
};

class UserEventGenerator {
  public:
    // With `failures`, now and then a drawing operation is set to fail.
    explicit UserEventGenerator(std::mt19937& rng, bool failures = false)
        : m_rng(rng), m_failures(failures)
    {
    }

    // Any event; the procedure button to click is often one that is enabled
    // now, so that sequences get through the whole procedure.
    UserEvent Next(HeadlessBackend& backend, CTervanDlg& dlg)
    {
        UserEvent e;
        const int roll = Uniform(0, 99);
        if (roll < 22)
            e = ClickSomething(backend, dlg);
        else if (roll < 30)
            e = MouseInput(UserEvent::ButtonDown, OnValve());
        else if (roll < 37)
            e = MouseInput(UserEvent::ButtonDown, OnStrip());
        else if (roll < 39)
            e = MouseInput(UserEvent::ButtonDown, Anywhere());
        else if (roll < 58)
            e = MouseInput(UserEvent::MouseMove, MoveFrom(dlg));
        else if (roll < 63)
            e = MouseInput(UserEvent::ButtonUp, Anywhere());
        else if (roll < 91)
            e = {UserEvent::Advance, Milliseconds()};
        else if (roll < 97)
            e = {UserEvent::Timer, TimerId()};
        else if (roll < 99)
            e = {UserEvent::Paint};
        else
            e = {UserEvent::AboutCommand};
        if (m_failures && Uniform(0, 99) == 0)
            e = {UserEvent::FailLater, Uniform(0, static_cast<int>(GdiOp::Count) - 1),
                 Uniform(1, 300)};
        e.sub = static_cast<std::uint32_t>(m_rng());
        return e;
    }

    // Input only: what a user can do while a handler holds the thread.
    UserEvent NextInput(HeadlessBackend& backend, CTervanDlg& dlg)
    {
        const int roll = Uniform(0, 3);
        if (roll == 0)
            return ClickSomething(backend, dlg);
        if (roll == 1)
            return MouseInput(UserEvent::ButtonDown, Uniform(0, 1) ? OnValve() : OnStrip());
        if (roll == 2)
            return MouseInput(UserEvent::MouseMove, MoveFrom(dlg));
        return MouseInput(UserEvent::ButtonUp, Anywhere());
    }

  private:
    struct Point {
        int x;
        int y;
    };

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    UserEvent ClickSomething(HeadlessBackend& backend, CTervanDlg& dlg)
    {
        if (Uniform(0, 1)) {
            int enabled[7];
            int n = 0;
            for (int id : kProcedureButtons)
                if (backend.IsControlEnabled(dlg, id))
                    enabled[n++] = id;
            if (n > 0)
                return {UserEvent::Click, enabled[Uniform(0, n - 1)]};
        }
        // Every control but "Sortir" (1) and the hidden cancel (2), which end
        // the window; IDs without a control are clicked too (nothing happens).
        return {UserEvent::Click, Uniform(IDC_TANCA_BOTELLA, IDC_PAGE_NEXT)};
    }

    static UserEvent MouseInput(UserEvent::Kind kind, Point p) { return {kind, p.x, p.y}; }

    // Around the valve's centre, a little past its 22-px circle.
    Point OnValve()
    {
        const double angle = std::uniform_real_distribution<double>(0, 6.283185307179586)(m_rng);
        const double radius = std::uniform_real_distribution<double>(0, 25)(m_rng);
        return {Client::kValveX + static_cast<int>(radius * std::cos(angle)),
                Client::kValveY + static_cast<int>(radius * std::sin(angle))};
    }

    // The right branch's grab strip, with the column just outside each edge.
    Point OnStrip()
    {
        return {Uniform(Client::kStripX - Bench::kGrabStripReach,
                        Client::kStripX + Bench::kGrabStripReach),
                Uniform(-50, 500)};
    }

    Point Anywhere()
    {
        if (Uniform(0, 2) == 0)
            return {Uniform(-32768, 32767), Uniform(-32768, 32767)};
        return {Uniform(-20, 660), Uniform(-20, 460)};
    }

    // Small and large steps from the last accepted drag position, or a jump.
    Point MoveFrom(CTervanDlg& dlg)
    {
        const int x = Uniform(300, 450);
        switch (Uniform(0, 3)) {
        case 0:
            return {x, dlg.m_nDragY + Uniform(-12, 12)};
        case 1:
            return {x, dlg.m_nDragY + Uniform(-200, 200)};
        case 2:
            return {x, Clamp16(dlg.m_nDragY + Uniform(-2000, 2000))};
        default:
            return Anywhere();
        }
    }

    static int Clamp16(int v) { return v < -32768 ? -32768 : v > 32767 ? 32767 : v; }

    // Mostly a tick or two of the gas timer, sometimes seconds.
    int Milliseconds()
    {
        const int roll = Uniform(0, 99);
        if (roll < 65)
            return Uniform(0, 60);
        if (roll < 97)
            return Uniform(61, 600);
        return Uniform(601, 6000);
    }

    int TimerId()
    {
        static const int others[] = {0, 4, 99, 65535};
        if (Uniform(0, 4) > 0)
            return Uniform(1, 3);
        return others[Uniform(0, 3)];
    }

    std::mt19937& m_rng;
    bool m_failures;
};
