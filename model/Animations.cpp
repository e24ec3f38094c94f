// The two animations that run inside their button handlers, frame after
// frame, holding the thread: the bottle rising onto its stopper and the water
// bath fading in and filling around it.
#include "app/TervanDlg.h"
#include "view/SceneColours.h"
#include "view/WaterBathShapes.h"

namespace {
// A colour that fades from `from` towards `to` over 60 frames; each component
// truncated toward zero.
COLORREF Fade(int i, int r0, int g0, int b0, double dr, double dg, double db)
{
    return RGB(static_cast<int>(r0 - i * dr / 60), static_cast<int>(g0 - i * dg / 60),
               static_cast<int>(b0 - i * db / 60));
}
} // namespace

void CTervanDlg::RaiseBottle()
{
    SelectBackBuffer("error 1022");
    // Nothing is erased between frames: the bottle's lowest row is bench
    // colour, so moving it up a row at a time leaves no trail.
    while (m_nBottleY > 200) {
        --m_nBottleY;
        if (!m_dcImage.SelectObject(&m_bmpBottle))
            ReportError("error 1023");
        m_dcBack.BitBlt(70, m_nBottleY, 109, 152, &m_dcImage, 0, 0, SRCCOPY);
        Sleep(7);
        CopyBackBufferToWindow();
    }
}

void CTervanDlg::FillWaterBath()
{
    SelectBackBuffer("error 1024");
    // The pen selected now is learnt by selecting a scratch pen in its place.
    CPen scratch;
    if (!scratch.CreatePen(PS_DOT, 1, RGB(0, 240, 240)))
        ReportError("error 1024b");
    CPen* saved = m_dcBack.SelectObject(&scratch);
    if (!saved)
        ReportError("error 1025");
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
        usePen(top, 34, Fade(i, 215, 255, 255, 87, 191, 191), "error 1044", "error 1026");
        WaterBath::BenchTop(m_dcBack);
        usePen(walls, 10, Fade(i, 215, 255, 255, 215, 127, 63), "error 1045", "error 1027");
        WaterBath::Walls(m_dcBack);
        usePen(edge, 2, Fade(i, 215, 255, 255, 130, 55, 0), "error 1046", "error 1028");
        WaterBath::InnerEdge(m_dcBack);
        Sleep(30);
        CopyBackBufferToWindow();
    }
    restoreSaved();
    top.DeleteObject();

    CPen probe;
    usePen(probe, 2, Scene::kProbe, "error 1047", "error 1032");
    WaterBath::Probe(m_dcBack);
    restoreSaved();
    probe.DeleteObject();

    CPen water;
    if (!water.CreatePen(PS_DOT, 1, Scene::kWaterBlue))
        ReportError("error 1034");
    for (int j = 0; j < Scene::kWaterLines; ++j) {
        if (!m_dcBack.SelectObject(&water))
            ReportError("error 1029");
        m_dcBack.MoveTo(Scene::WaterLineX(j), Scene::WaterLineY(j));
        m_dcBack.LineTo(200, Scene::WaterLineY(j));
        // The water line covers the inner half of each wall: draw them again.
        if (!m_dcBack.SelectObject(&walls))
            ReportError("error 1030");
        WaterBath::Walls(m_dcBack);
        if (!m_dcBack.SelectObject(&edge))
            ReportError("error 1031");
        WaterBath::InnerEdge(m_dcBack);
        Sleep(30);
        CopyBackBufferToWindow();
    }
    if (saved && !m_dcBack.SelectObject(saved))
        ReportError("error 1033");
    if (!water.DeleteObject())
        ReportError("ERROR 385em");
    if (!walls.DeleteObject())
        ReportError("ERROR 386em");
    if (!edge.DeleteObject())
        ReportError("ERROR 387em");
    scratch.DeleteObject();
}
