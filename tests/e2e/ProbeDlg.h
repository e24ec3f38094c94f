// A window on the main window's template whose handlers only note what
// reaches them, so that a test can watch the backend deliver messages.
#pragma once

#include <string>
#include <vector>

#include "app/LevelDlg.h"
#include "platform/Framework.h"

class CProbeDlg : public CDialog {
  public:
    CProbeDlg() : CDialog(102) {}

    // 1005: blocking work. It starts timer 5 and shows four frames, each a
    // different colour at client (21, 21), 20 ms apart.
    void OnHold()
    {
        log.push_back("hold");
        SetTimer(5, 5);
        for (COLORREF colour : kFrames) {
            {
                CClientDC dc(this);
                dc.FillSolidRect(21, 21, 10, 10, colour);
            }
            Sleep(20);
        }
        log.push_back("held");
    }
    void OnOther() { log.push_back("other"); }
    // 1009: the level dialog, counting the ticks that arrive while it is open.
    void OnAskLevel()
    {
        const int before = ticks;
        CLevelDlg dlg;
        dlg.DoModal();
        ticksDuringModal = ticks - before;
    }
    void OnTimer(UINT id)
    {
        ++ticks;
        if (id == 5) {
            log.push_back("tick 5");
            KillTimer(5);
        }
    }
    void OnPaint() { log.push_back("paint"); }
    void OnLButtonDown(UINT flags, CPoint p)
    {
        Mouse("down", flags, p);
        SetCapture();
    }
    void OnMouseMove(UINT flags, CPoint p) { Mouse("move", flags, p); }
    void OnLButtonUp(UINT flags, CPoint p)
    {
        Mouse("up", flags, p);
        ReleaseCapture();
    }

    static constexpr COLORREF kFrames[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                           RGB(255, 255, 0)};
    std::vector<std::string> log;
    int ticks = 0;
    int ticksDuringModal = -1;

  private:
    void Mouse(const char* what, UINT flags, CPoint p)
    {
        log.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y) +
                      " " + std::to_string(flags));
    }

    DECLARE_MESSAGE_MAP()
};
