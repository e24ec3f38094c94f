// Lines and pens in the drawing routines. Each pen is created, selected into
// the back buffer in place of the previous one, and released once the
// previous one is selected again. A failure shows the routine's code and
// drawing goes on; a null code means that failure is not reported.
#pragma once

#include "platform/Framework.h"

class CTervanDlg;

// A line from (x0, y0) to (x1, y1) with the selected pen; the current point
// ends at (x1, y1).
inline void Line(CDC& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

class CPenSwap {
  public:
    CPenSwap(CTervanDlg& owner, CDC& dc) : m_owner(owner), m_dc(dc) {}

    // Creates `pen` and selects it; the pen it first replaces is the one the
    // routine restores at its end.
    void Use(CPen& pen, int style, int width, COLORREF color, const char* createCode,
             const char* selectCode);
    // Selects the remembered pen again.
    void Restore(const char* code);
    // Releases a pen that is no longer selected.
    void Delete(CPen& pen, const char* code);
    // Restores the remembered pen, then releases `pen`.
    void Drop(CPen& pen, const char* releaseCode)
    {
        Restore(nullptr);
        Delete(pen, releaseCode);
    }

  private:
    CTervanDlg& m_owner;
    CDC& m_dc;
    CPen* m_previous = nullptr;
};
