// The back buffer and the frame every drawing routine follows: select the
// back buffer, copy member bitmaps through the image surface, draw, then copy
// all 600 x 400 pixels to the window's client area at (21, 21).
#include "app/TervanDlg.h"

void CTervanDlg::SetUpCanvas()
{
    m_bmpBottle.LoadBitmap(135);
    m_bmpStopper.LoadBitmap(134);
    m_bmpTubeH.LoadBitmap(136);
    m_bmpThermometer.LoadBitmap(145);
    m_bmpTubeV.LoadBitmap(144);
    m_bmpGaugeTube.LoadBitmap(165);
    m_bmpGauge.LoadBitmap(163);
    m_bmpFunnel.LoadBitmap(143);
    m_bmpLeftBranch.LoadBitmap(166);
    CClientDC dc(this);
    m_dcBack.CreateCompatibleDC(&dc);
    m_bmpBack.CreateCompatibleBitmap(&dc, 600, 400);
    m_dcImage.CreateCompatibleDC(&dc);
}

void CTervanDlg::SelectBackBuffer(const char* code)
{
    if (!m_dcBack.SelectObject(&m_bmpBack))
        ReportError(code);
}

void CTervanDlg::CopyMemberBitmap(CBitmap& bitmap, int x, int y, const char* code)
{
    if (!m_dcImage.SelectObject(&bitmap) && code)
        ReportError(code);
    m_dcBack.BitBlt(x, y, bitmap.GetWidth(), bitmap.GetHeight(), &m_dcImage, 0, 0, SRCCOPY);
}

void CTervanDlg::CopyBackBufferToWindow()
{
    CClientDC dc(this);
    dc.BitBlt(21, 21, 600, 400, &m_dcBack, 0, 0, SRCCOPY);
}

void CTervanDlg::ReportError(const char* code)
{
    // One box at a time. The timers keep running behind an open box, and a
    // failure that lasts (no pens left, say) hits several codes on every
    // tick: a box for each code not yet open would nest on the last one,
    // each letting more ticks through, by the hundred thousand.
    if (m_bErrorBoxOpen)
        return;
    m_bErrorBoxOpen = true;
    MessageBox(code);
    m_bErrorBoxOpen = false;
}
