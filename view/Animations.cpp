// The two animations that run inside their button handlers, frame after
// frame, holding the thread: the bottle rising onto its stopper and the water
// bath fading in and filling around it.
#include "app/TervanDlg.h"
#include "model/Truncate.h"
#include "res/ErrorCodes.h"
#include "view/BenchLayout.h"
#include "view/SceneColours.h"
#include "view/WaterBathShapes.h"

namespace {
// Frame i of a colour that starts as (r0, g0, b0) and falls by (dr, dg, db)
// over 60 frames; each component truncated toward zero.
COLORREF Fade(int i, int r0, int g0, int b0, double dr, double dg, double db)
{
    return RGB(TruncToInt(r0 - i * dr / 60), TruncToInt(g0 - i * dg / 60),
               TruncToInt(b0 - i * db / 60));
}
} // namespace

void CTervanDlg::RaiseBottle()
{
    SelectBackBuffer(Err::kRiseBackBuffer);
    // Nothing is erased between frames: the bottle's lowest row is bench
    // colour, so moving it up a row at a time leaves no trail.
    while (m_nBottleY > kBottleRaisedY) {
        --m_nBottleY;
        if (!m_dcImage.SelectObject(&m_bmpBottle))
            ReportError(Err::kRiseBottle);
        m_dcBack.BitBlt(Bench::kBottleX, m_nBottleY, m_bmpBottle.GetWidth(),
                        m_bmpBottle.GetHeight(), &m_dcImage, 0, 0, SRCCOPY);
        Sleep(7);
        CopyBackBufferToWindow();
    }
}

void CTervanDlg::FillWaterBath()
{
    SelectBackBuffer(Err::kFillBackBuffer);
    // The pen selected now is learnt by selecting a scratch pen in its place.
    CPen scratch;
    if (!scratch.CreatePen(PS_DOT, 1, RGB(0, 240, 240)))
        ReportError(Err::kFillScratchPenCreate);
    CPen* saved = m_dcBack.SelectObject(&scratch);
    if (!saved)
        ReportError(Err::kFillScratchPenSelect);
    auto restoreSaved = [&] {
        if (saved)
            m_dcBack.SelectObject(saved);
    };
    auto usePen = [&](CPen& pen, int width, COLORREF colour, const char* createCode,
                      const char* selectCode) {
        restoreSaved();
        pen.DeleteObject();
        if (!pen.CreatePen(PS_SOLID, width, colour))
            ReportError(createCode);
        if (!m_dcBack.SelectObject(&pen))
            ReportError(selectCode);
    };

    CPen top, walls, edge;
    for (int i = 0; i <= 60; ++i) {
        usePen(top, 34, Fade(i, 215, 255, 255, 87, 191, 191), Err::kFillTopPenCreate,
               Err::kFillTopPenSelect);
        WaterBath::BenchTop(m_dcBack);
        usePen(walls, 10, Fade(i, 215, 255, 255, 215, 127, 63), Err::kFillWallPenCreate,
               Err::kFillWallPenSelect);
        WaterBath::Walls(m_dcBack);
        usePen(edge, 2, Fade(i, 215, 255, 255, 130, 55, 0), Err::kFillEdgePenCreate,
               Err::kFillEdgePenSelect);
        WaterBath::InnerEdge(m_dcBack);
        Sleep(30);
        CopyBackBufferToWindow();
    }
    restoreSaved();
    top.DeleteObject();

    CPen probe;
    usePen(probe, 2, Scene::kProbe, Err::kFillProbePenCreate, Err::kFillProbePenSelect);
    WaterBath::Probe(m_dcBack);
    restoreSaved();
    probe.DeleteObject();

    CPen water;
    if (!water.CreatePen(PS_DOT, 1, Scene::kWaterBlue))
        ReportError(Err::kFillWaterPenCreate);
    for (int j = 0; j < Scene::kWaterLines; ++j) {
        if (!m_dcBack.SelectObject(&water))
            ReportError(Err::kFillWaterPenSelect);
        m_dcBack.MoveTo(Scene::WaterLineX(j), Scene::WaterLineY(j));
        m_dcBack.LineTo(200, Scene::WaterLineY(j));
        // The water line covers the inner half of each wall: draw them again.
        if (!m_dcBack.SelectObject(&walls))
            ReportError(Err::kFillWallPenReselect);
        WaterBath::Walls(m_dcBack);
        if (!m_dcBack.SelectObject(&edge))
            ReportError(Err::kFillEdgePenReselect);
        WaterBath::InnerEdge(m_dcBack);
        Sleep(30);
        CopyBackBufferToWindow();
    }
    if (saved && !m_dcBack.SelectObject(saved))
        ReportError(Err::kFillRestorePen);
    if (!water.DeleteObject())
        ReportError(Err::kFillWaterPenRelease);
    if (!walls.DeleteObject())
        ReportError(Err::kFillWallPenRelease);
    if (!edge.DeleteObject())
        ReportError(Err::kFillEdgePenRelease);
    scratch.DeleteObject();
}
