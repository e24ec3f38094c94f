// The back buffer and the frame every drawing routine follows: select the
// back buffer, copy member bitmaps through the image surface, draw, then copy
// all 600 x 400 pixels to the window's client area at (21, 21).
#include "app/TervanDlg.h"
#include "view/BenchLayout.h"

void CTervanDlg::SetUpCanvas()
{
    m_bmpBottle.LoadBitmap(IDB_BOTTLE);
    m_bmpStopper.LoadBitmap(IDB_STOPPER);
    m_bmpTubeH.LoadBitmap(IDB_TUBE_H);
    m_bmpThermometer.LoadBitmap(IDB_THERMOMETER);
    m_bmpTubeV.LoadBitmap(IDB_TUBE_V);
    m_bmpGaugeTube.LoadBitmap(IDB_GAUGE_TUBE);
    m_bmpGauge.LoadBitmap(IDB_GAUGE);
    m_bmpFunnel.LoadBitmap(IDB_FUNNEL);
    m_bmpLeftBranch.LoadBitmap(IDB_LEFT_BRANCH);
    CClientDC dc(this);
    m_dcBack.CreateCompatibleDC(&dc);
    m_bmpBack.CreateCompatibleBitmap(&dc, Bench::kBackBufferW, Bench::kBackBufferH);
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
    dc.BitBlt(Bench::kBackBufferX, Bench::kBackBufferY, Bench::kBackBufferW, Bench::kBackBufferH,
              &m_dcBack, 0, 0, SRCCOPY);
    // What the window now shows, in words for a screen reader.
    DescribeBench();
}
