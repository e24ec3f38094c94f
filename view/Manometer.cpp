// The moving part of the apparatus: the right branch the student drags, its
// hose, the two mercury columns and the reference marks; with the notebook
// away after submerging, also the side gauge's moving parts.
#include "app/TervanDlg.h"
#include "res/ErrorCodes.h"
#include "view/BenchLayout.h"
#include "view/PenUtil.h"
#include "view/SceneColours.h"

void CTervanDlg::DrawManometer()
{
    if (MercuryStandsLevel(*this))
        m_dPressureDiff = 0.0;
    ManometerGeometry g = ComputeManometer(m_nTubeY, m_dPressureDiff);

    // The spill checks come before anything is drawn, so that a call stopped
    // by its warning leaves the back buffer as the last complete call left
    // it: the thermometer's next copy still shows both columns. The latch is
    // set before the warning opens, since the timers go on calling this
    // routine behind it, and those calls clamp and draw.
    const Spill spill = CheckSpills(*this, g);
    if (spill != Spill::None) {
        WarnOfSpill(spill);
        return;
    }

    SelectBackBuffer(Err::kManometerBackBuffer);
    CPenSwap pens(*this, m_dcBack);
    CPen benchPen;
    pens.Use(benchPen, PS_SOLID, 1, Scene::kBench, Err::kManometerBenchPenCreate,
             Err::kManometerBenchPenSelect);

    // Wipe what moves: the strip under the right branch's mouth, as wide as
    // the mouth, and the left column.
    m_dcBack.FillSolidRect(CRect(Bench::kRightMouthX, 0,
                                 Bench::kRightMouthX + m_bmpFunnel.GetWidth(), Bench::kBackBufferH),
                           Scene::kBench);
    CopyMemberBitmap(m_bmpLeftBranch, Bench::kLeftBranch.x, Bench::kLeftBranch.y, nullptr);
    const bool gaugeShown = m_bSubmerged && m_strPage.IsEmpty();
    if (gaugeShown) {
        CopyMemberBitmap(m_bmpGauge, Bench::kGauge.x, Bench::kGauge.y, Err::kManometerPicture);
        m_dcBack.FillSolidRect(CRect(550, 0, 600, 370), Scene::kBench);
        m_dcBack.FillSolidRect(CRect(500, 216, 590, 370), Scene::kBench);
    }
    CopyMemberBitmap(m_bmpTubeV, Bench::kRightBranchX, m_nTubeY, Err::kManometerTubeV);
    m_dcBack.BitBlt(Bench::kRightBranchX, m_nTubeY + Bench::kRightBranchRepeat,
                    m_bmpTubeV.GetWidth(), m_bmpTubeV.GetHeight(), &m_dcImage, 0, 0, SRCCOPY);
    CopyMemberBitmap(m_bmpFunnel, Bench::kRightMouthX, m_nTubeY - 5, Err::kManometerPicture);

    pens.Drop(benchPen, Err::kManometerBenchPenRelease);
    CPen hose;
    pens.Use(hose, PS_SOLID, 23, Scene::kHose, Err::kManometerHosePenCreate,
             Err::kManometerHosePenSelect);
    Line(m_dcBack, Bench::kRightMercuryX, m_nTubeY + 431, Bench::kRightMercuryX, 420);

    CPen* current = &hose;
    CPen gaugeHose, gaugeMercury, gaugeMark;
    if (gaugeShown) {
        CopyMemberBitmap(m_bmpGaugeTube, Bench::kGaugeTubeX, g.Yg, Err::kManometerPicture);
        pens.Drop(hose, Err::kManometerHosePenRelease);
        pens.Use(gaugeHose, PS_SOLID, 9, Scene::kHose, Err::kManometerGaugeHosePenCreate,
                 Err::kManometerGaugeHosePenSelect);
        Line(m_dcBack, Bench::kGaugeRightHoseX, g.Yg + m_bmpGaugeTube.GetHeight(),
             Bench::kGaugeRightHoseX, g.Yg - g.B + 230);
        Line(m_dcBack, Bench::kGaugeLeftHoseX, 216, Bench::kGaugeLeftHoseX, g.Y0);
        for (int i = 0; i <= 7; ++i) {
            int x = 0, y = 0;
            UBendPoint(i, g.Y0, x, y);
            m_dcBack.LineTo(x, y);
        }
        pens.Drop(gaugeHose, nullptr);
        pens.Use(gaugeMercury, PS_SOLID, 2, Scene::kMercury, nullptr, nullptr);
        Line(m_dcBack, Bench::kGaugeRightHoseX - 1, g.Yg + 168, Bench::kGaugeRightHoseX - 1, g.Rg);
        Line(m_dcBack, Bench::kGaugeLeftHoseX - 1, g.Lg, Bench::kGaugeLeftHoseX - 1, 216);
        pens.Drop(gaugeMercury, nullptr);
        pens.Use(gaugeMark, PS_SOLID, 1, Scene::kMark, nullptr, nullptr);
        Line(m_dcBack, 506, 123, 512, 123);
        current = &gaugeMark;
    }
    pens.Drop(*current, nullptr);
    CPen mercury;
    pens.Use(mercury, PS_SOLID, 7, Scene::kMercury, Err::kManometerMercuryPenCreate, nullptr);
    Line(m_dcBack, Bench::kLeftMercuryX, g.L, Bench::kLeftMercuryX, Bench::kBackBufferH);
    Line(m_dcBack, Bench::kRightMercuryX, g.R, Bench::kRightMercuryX, m_nTubeY + 420);
    pens.Drop(mercury, nullptr);
    CPen highlight;
    pens.Use(highlight, PS_SOLID, 2, Scene::kHighlight, Err::kManometerMercuryPenCreate, nullptr);
    // The highlight covers the axis and the column right of it.
    Line(m_dcBack, Bench::kLeftMercuryX + 1, g.L, Bench::kLeftMercuryX + 1, Bench::kBackBufferH);
    Line(m_dcBack, Bench::kRightMercuryX + 1, g.R, Bench::kRightMercuryX + 1, m_nTubeY + 420);
    pens.Drop(highlight, nullptr);
    CPen marks;
    pens.Use(marks, PS_SOLID, 1, Scene::kMark, Err::kManometerMarkPenCreate, nullptr);
    Line(m_dcBack, 253, 246, 266, 246);
    Line(m_dcBack, 253, 249, 266, 249);
    CopyBackBufferToWindow();
    pens.Restore(Err::kManometerRestorePen);
    pens.Delete(marks, Err::kManometerMarkPenRelease);
}

void CTervanDlg::DrawSideGauge()
{
    SelectBackBuffer(Err::kSideGaugeBackBuffer);
    CopyMemberBitmap(m_bmpGauge, Bench::kGauge.x, Bench::kGauge.y, Err::kManometerPicture);
    CopyMemberBitmap(m_bmpGaugeTube, Bench::kGaugeTubeX,
                     ComputeManometer(m_nTubeY, m_dPressureDiff).Yg, Err::kManometerPicture);
    DrawManometer();
}
