// Painting a window in answer to WM_PAINT, and the icon services the
// minimised window's paint uses: the icon size and drawing an icon resource.
#pragma once

#include "platform/ClientDC.h"
#include "platform/Messages.h"

// Sent to a minimised window before its icon is drawn; wParam is the paint DC.
constexpr UINT WM_ICONERASEBKGND = 0x0027;

constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

// The system's measures the program asks for: the standard icon is 32 x 32.
int GetSystemMetrics(int index);

// A DC on the window's client area for the duration of one paint; what is
// drawn shows when it is released.
class CPaintDC : public CClientDC {
  public:
    explicit CPaintDC(CWnd* wnd);

    // Draws icon resource `icon` at its standard size with its top-left
    // corner at (x, y); the pixels around the icon's shape are left alone.
    BOOL DrawIcon(int x, int y, HICON icon);

  private:
    CWnd* m_pPaintWnd;
};
