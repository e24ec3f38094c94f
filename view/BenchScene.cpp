// The fixed part of the apparatus: bench and ruler, thermometer, water bath.
#include "app/TervanDlg.h"
#include "view/DrawBitmap.h"
#include "view/PenUtil.h"
#include "view/SceneColours.h"
#include "view/WaterBathShapes.h"

void CTervanDlg::DrawBench()
{
    SelectBackBuffer("error 1001");
    m_dcBack.FillSolidRect(0, 0, 600, 400, Scene::kBench);
    CopyMemberBitmap(m_bmpStopper, 104, 132, "error 1003");
    CopyMemberBitmap(m_bmpBottle, 70, m_nBottleY, "error 1003");
    CopyMemberBitmap(m_bmpTubeH, 147, 132, "error 1004");
    CopyMemberBitmap(m_bmpTubeV, 252, 60, "error 1004b");
    m_dcBack.BitBlt(252, 210, 15, 285, &m_dcImage, 0, 0, SRCCOPY);
    CopyMemberBitmap(m_bmpFunnel, 243, 55, "error 1004c");
    DrawBitmap(&m_dcBack, 234, 114, 50, 50, static_cast<UINT>(m_nValveFrame));

    // Ruler: 24 px per centimetre, a tick every half centimetre, minor ticks
    // every 3 px; nothing right of x 340.
    CPen rulerPen(PS_SOLID, 1, Scene::kBlue);
    CPen* oldPen = m_dcBack.SelectObject(&rulerPen);
    for (int y = 0; y <= 396; y += 12) {
        m_dcBack.MoveTo(340, y);
        m_dcBack.LineTo(332, y);
        for (int k = 1; k <= 3; ++k) {
            m_dcBack.MoveTo(336, y + 3 * k);
            m_dcBack.LineTo(340, y + 3 * k);
        }
    }
    CFont rulerFont;
    rulerFont.CreateFont(10, 5, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, "Comic Sans Serif");
    CFont* oldFont = m_dcBack.SelectObject(&rulerFont);
    m_dcBack.SetTextColor(Scene::kBlack);
    m_dcBack.SetBkMode(TRANSPARENT); // stays set: the water lines rely on it
    for (int k = 0; k <= 16; ++k) {
        CString number;
        number.Format("%2d", m_nRulerTop - k);
        m_dcBack.TextOut(321, 24 * k - 5, number, number.GetLength());
    }
    if (oldPen)
        m_dcBack.SelectObject(oldPen);
    if (oldFont)
        m_dcBack.SelectObject(oldFont);
    rulerPen.DeleteObject();
    rulerFont.DeleteObject();
    CopyBackBufferToWindow();
}

void CTervanDlg::DrawThermometer()
{
    SelectBackBuffer("error 1005");
    CPenSwap pens(*this, m_dcBack);
    CPen bar;
    pens.Use(bar, PS_SOLID, 34, Scene::kBrown, nullptr, "error 1006");
    m_dcBack.MoveTo(-10, 77);
    m_dcBack.LineTo(50, 77);
    CopyMemberBitmap(m_bmpThermometer, 10, 10, "error 1006b");
    m_display.DrawValue(&m_dcBack, m_dWaterTemp);
    CopyBackBufferToWindow();
    pens.Restore("error 1007");
    pens.Delete(bar, nullptr);
}

void CTervanDlg::DrawWaterBath()
{
    SelectBackBuffer("error 1008");
    CPenSwap pens(*this, m_dcBack);

    CPen top;
    pens.Use(top, PS_SOLID, 34, Scene::kBrown, "error 1036", "error 1009");
    WaterBath::BenchTop(m_dcBack);
    pens.Drop(top, nullptr);

    // Transparent dots let the bottle and the bench show through the water.
    CPen water;
    pens.Use(water, PS_DOT, 1, Scene::kWaterBlue, "error 1037", "error 1010");
    for (int j = 0; j < Scene::kWaterLines; ++j) {
        if (!m_dcBack.SelectObject(&water))
            ReportError("error 1011");
        m_dcBack.MoveTo(Scene::WaterLineX(j), Scene::WaterLineY(j));
        m_dcBack.LineTo(200, Scene::WaterLineY(j));
    }
    pens.Drop(water, nullptr);

    CPen walls;
    pens.Use(walls, PS_SOLID, 10, Scene::kBlue, "error 1038", "error 1012");
    WaterBath::Walls(m_dcBack);
    pens.Drop(walls, nullptr);

    CPen edge;
    pens.Use(edge, PS_SOLID, 2, Scene::kWaterBlue, "error 1039", "error 1013");
    WaterBath::InnerEdge(m_dcBack);
    pens.Drop(edge, nullptr);

    CPen probe;
    pens.Use(probe, PS_SOLID, 2, Scene::kProbe, "error 1040", "error 1014");
    WaterBath::Probe(m_dcBack);
    pens.Restore("error 1015");
    pens.Delete(probe, "ERROR 995mk");
    CopyBackBufferToWindow();
}
