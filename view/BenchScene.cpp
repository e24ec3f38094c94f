// The fixed part of the apparatus: bench and ruler, the valve, the
// thermometer and its digits, the water bath.
#include "app/TervanDlg.h"
#include "res/ErrorCodes.h"
#include "view/BenchLayout.h"
#include "view/DrawBitmap.h"
#include "view/PenUtil.h"
#include "view/SceneColours.h"
#include "view/WaterBathShapes.h"

namespace {
// The ruler's ticks run left from column 340 (nothing of the ruler right of
// it): long ones to 332 every half centimetre, short ones to 336 every 3
// rows between. Its numbers stand left of the ticks, each centred on a long
// tick; seventeen fit the picture, the last at rows 379..388.
constexpr int kRulerEdgeX = 340;
constexpr int kLongTickX = 332;
constexpr int kShortTickX = 336;
constexpr int kShortTickStep = 3;
constexpr int kNumberX = 321;
constexpr int kNumberHalfHeight = 5;
constexpr int kNumbers = 17;
} // namespace

void CTervanDlg::DrawBench()
{
    SelectBackBuffer(Err::kBenchBackBuffer);
    m_dcBack.FillSolidRect(0, 0, Bench::kBackBufferW, Bench::kBackBufferH, Scene::kBench);
    CopyMemberBitmap(m_bmpStopper, Bench::kStopper.x, Bench::kStopper.y,
                     Err::kBenchStopperOrBottle);
    CopyMemberBitmap(m_bmpBottle, Bench::kBottleX, m_nBottleY, Err::kBenchStopperOrBottle);
    CopyMemberBitmap(m_bmpTubeH, Bench::kTubeH.x, Bench::kTubeH.y, Err::kBenchTubeH);
    CopyMemberBitmap(m_bmpTubeV, Bench::kColumnTop.x, Bench::kColumnTop.y, Err::kBenchTubeV);
    // The same tube again, still selected: no second selection to fail.
    m_dcBack.BitBlt(Bench::kColumnBottom.x, Bench::kColumnBottom.y, m_bmpTubeV.GetWidth(),
                    m_bmpTubeV.GetHeight(), &m_dcImage, 0, 0, SRCCOPY);
    CopyMemberBitmap(m_bmpFunnel, Bench::kFunnel.x, Bench::kFunnel.y, Err::kBenchFunnel);
    DrawValve();

    CPen rulerPen(PS_SOLID, 1, Scene::kBlue);
    CPen* oldPen = m_dcBack.SelectObject(&rulerPen);
    for (int y = 0; y < Bench::kBackBufferH; y += Bench::kRulerPxPerCm / 2) {
        m_dcBack.MoveTo(kRulerEdgeX, y);
        m_dcBack.LineTo(kLongTickX, y);
        for (int k = 1; k <= 3; ++k) {
            m_dcBack.MoveTo(kShortTickX, y + kShortTickStep * k);
            m_dcBack.LineTo(kRulerEdgeX, y + kShortTickStep * k);
        }
    }
    CFont rulerFont;
    rulerFont.CreateFont(10, 5, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, "Comic Sans Serif");
    CFont* oldFont = m_dcBack.SelectObject(&rulerFont);
    m_dcBack.SetTextColor(Scene::kBlack);
    m_dcBack.SetBkMode(TRANSPARENT); // stays set: the water lines rely on it
    for (int k = 0; k < kNumbers; ++k) {
        CString number;
        number.Format("%2d", m_nRulerTop - k);
        m_dcBack.TextOut(kNumberX, Bench::kRulerPxPerCm * k - kNumberHalfHeight, number,
                         number.GetLength());
    }
    if (oldPen)
        m_dcBack.SelectObject(oldPen);
    if (oldFont)
        m_dcBack.SelectObject(oldFont);
    rulerPen.DeleteObject();
    rulerFont.DeleteObject();
    CopyBackBufferToWindow();
}

void CTervanDlg::DrawValve()
{
    DrawBitmap(&m_dcBack, Bench::kValveX, Bench::kValveY, Bench::kValveSize, Bench::kValveSize,
               static_cast<UINT>(m_nValveFrame));
}

void CTervanDlg::DrawWaterDigits()
{
    m_display.DrawValue(&m_dcBack, m_dWaterTemp);
}

void CTervanDlg::DrawThermometer()
{
    SelectBackBuffer(Err::kThermometerBackBuffer);
    CPenSwap pens(*this, m_dcBack);
    CPen bar;
    pens.Use(bar, PS_SOLID, 34, Scene::kBrown, nullptr, Err::kThermometerBarPen);
    m_dcBack.MoveTo(-10, 77);
    m_dcBack.LineTo(50, 77);
    CopyMemberBitmap(m_bmpThermometer, Bench::kThermometer.x, Bench::kThermometer.y,
                     Err::kThermometerCase);
    DrawWaterDigits();
    CopyBackBufferToWindow();
    pens.Restore(Err::kThermometerRestorePen);
    pens.Delete(bar, nullptr);
}

void CTervanDlg::DrawWaterBath()
{
    SelectBackBuffer(Err::kBathBackBuffer);
    CPenSwap pens(*this, m_dcBack);

    CPen top;
    pens.Use(top, PS_SOLID, 34, Scene::kBrown, Err::kBathTopPenCreate, Err::kBathTopPenSelect);
    WaterBath::BenchTop(m_dcBack);
    pens.Drop(top, nullptr);

    // Transparent dots let the bottle and the bench show through the water.
    CPen water;
    pens.Use(water, PS_DOT, 1, Scene::kWaterBlue, Err::kBathWaterPenCreate,
             Err::kBathWaterPenSelect);
    for (int j = 0; j < Scene::kWaterLines; ++j) {
        if (!m_dcBack.SelectObject(&water))
            ReportError(Err::kBathWaterPenReselect);
        m_dcBack.MoveTo(Scene::WaterLineX(j), Scene::WaterLineY(j));
        m_dcBack.LineTo(200, Scene::WaterLineY(j));
    }
    pens.Drop(water, nullptr);

    CPen walls;
    pens.Use(walls, PS_SOLID, 10, Scene::kBlue, Err::kBathWallPenCreate, Err::kBathWallPenSelect);
    WaterBath::Walls(m_dcBack);
    pens.Drop(walls, nullptr);

    CPen edge;
    pens.Use(edge, PS_SOLID, 2, Scene::kWaterBlue, Err::kBathEdgePenCreate,
             Err::kBathEdgePenSelect);
    WaterBath::InnerEdge(m_dcBack);
    pens.Drop(edge, nullptr);

    CPen probe;
    pens.Use(probe, PS_SOLID, 2, Scene::kProbe, Err::kBathProbePenCreate, Err::kBathProbePenSelect);
    WaterBath::Probe(m_dcBack);
    pens.Restore(Err::kBathRestorePen);
    pens.Delete(probe, Err::kBathProbePenRelease);
    CopyBackBufferToWindow();
}
