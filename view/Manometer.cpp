// The moving part of the apparatus: the right branch the student drags, its
// hose, the two mercury columns and the reference marks; with the notebook
// away after submerging, also the side gauge's moving parts.
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"
#include "view/ManometerGeometry.h"
#include "view/PenUtil.h"
#include "view/SceneColours.h"

namespace {
const char* const kSpillWarning =
    "El tub dret s'ha de moure per amunt. En el laboratori, el mercuri estaria a punt de "
    "vessar i això, a més d'invalidar les dades que es prenguessin a continuació, és perillós. "
    "En el dispositiu real del laboratori aquest perill es limita posant tubs bastants llargs; "
    "però és important conèixer que existeix i en el programa s'hi manté.";
const char* const kInflowWarning =
    "El tub dret s'ha de moure per avall. En el laboratori, el mercuri estaria a punt d'entrar "
    "dins la botella i això invalidaria les dades que es prenguessin a continuació. En el "
    "dispositiu real del laboratori aquest perill es limita posant tubs bastants llargs; però "
    "és important conèixer que existeix i en el programa s'hi manté.";

void Line(CDC& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}
} // namespace

void CTervanDlg::DrawManometer()
{
    // While the valve stands open, or before the bottle is closed, the
    // mercury stands level.
    if (m_nValveFrame == 137 || !m_bBottleClosed)
        m_dPressureDiff = 0.0;
    ManometerGeometry g = ComputeManometer(m_nTubeY, m_dPressureDiff);

    // The spill checks come before anything is drawn, so that a call stopped
    // by its warning leaves the back buffer as the last complete call left
    // it: the thermometer's next copy still shows both columns. The latch is
    // set before the warning opens, since the timers go on calling this
    // routine behind it, and those calls clamp and draw.
    SpillLatches latches{m_bOverflowWarned, m_bInflowWarned};
    const Spill spill = CheckSpills(m_nTubeY, g, latches);
    m_bOverflowWarned = latches.overflowWarned;
    m_bInflowWarned = latches.inflowWarned;
    if (spill != Spill::None) {
        m_bDragging = false;
        CWarningDlg dlg;
        dlg.m_strMessage = spill == Spill::Overflow ? kSpillWarning : kInflowWarning;
        dlg.DoModal();
        return;
    }

    SelectBackBuffer("error 1016");
    CPenSwap pens(*this, m_dcBack);
    CPen benchPen;
    pens.Use(benchPen, PS_SOLID, 1, Scene::kBench, "error 1016b", "error 1017");

    // Wipe what moves: the right-branch strip and the left column.
    m_dcBack.FillSolidRect(CRect(341, 0, 374, 600), Scene::kBench);
    CopyMemberBitmap(m_bmpLeftBranch, 250, 164, nullptr);
    const bool gaugeShown = m_bSubmerged && m_strPage.IsEmpty();
    if (gaugeShown) {
        CopyMemberBitmap(m_bmpGauge, 420, 50, "error 1017c");
        m_dcBack.FillSolidRect(CRect(550, 0, 600, 370), Scene::kBench);
        m_dcBack.FillSolidRect(CRect(500, 216, 590, 370), Scene::kBench);
    }
    CopyMemberBitmap(m_bmpTubeV, 350, m_nTubeY, "error 1017b");
    m_dcBack.BitBlt(350, m_nTubeY + 150, 15, 285, &m_dcImage, 0, 0, SRCCOPY);
    CopyMemberBitmap(m_bmpFunnel, 341, m_nTubeY - 5, "error 1017c");

    pens.Drop(benchPen, "error 1041a");
    CPen hose;
    pens.Use(hose, PS_SOLID, 23, Scene::kHose, "error 1041", "error 1018");
    Line(m_dcBack, 358, m_nTubeY + 431, 358, 420);

    CPen* current = &hose;
    CPen gaugeHose, gaugeMercury, gaugeMark;
    if (gaugeShown) {
        CopyMemberBitmap(m_bmpGaugeTube, 550, g.Yg, "error 1017c");
        pens.Drop(hose, "error 1043a");
        pens.Use(gaugeHose, PS_SOLID, 9, Scene::kHose, "error 1043", "error 1020");
        Line(m_dcBack, 557, g.Yg + 170, 557, g.Yg - g.B + 230);
        Line(m_dcBack, 509, 216, 509, g.Y0);
        for (int i = 0; i <= 7; ++i) {
            int x = 0, y = 0;
            UBendPoint(i, g.Y0, x, y);
            m_dcBack.LineTo(x, y);
        }
        pens.Drop(gaugeHose, nullptr);
        pens.Use(gaugeMercury, PS_SOLID, 2, Scene::kMercury, nullptr, nullptr);
        Line(m_dcBack, 556, g.Yg + 168, 556, g.Rg);
        Line(m_dcBack, 508, g.Lg, 508, 216);
        pens.Drop(gaugeMercury, nullptr);
        pens.Use(gaugeMark, PS_SOLID, 1, Scene::kMark, nullptr, nullptr);
        Line(m_dcBack, 506, 123, 512, 123);
        current = &gaugeMark;
    }
    pens.Drop(*current, nullptr);
    CPen mercury;
    pens.Use(mercury, PS_SOLID, 7, Scene::kMercury, "error 1041f", nullptr);
    Line(m_dcBack, 260, g.L, 260, 400);
    Line(m_dcBack, 358, g.R, 358, m_nTubeY + 420);
    pens.Drop(mercury, nullptr);
    CPen highlight;
    pens.Use(highlight, PS_SOLID, 2, Scene::kHighlight, "error 1041f", nullptr);
    Line(m_dcBack, 261, g.L, 261, 400);
    Line(m_dcBack, 359, g.R, 359, m_nTubeY + 420);
    pens.Drop(highlight, nullptr);
    CPen marks;
    pens.Use(marks, PS_SOLID, 1, Scene::kMark, "error 1041d", nullptr);
    Line(m_dcBack, 253, 246, 266, 246);
    Line(m_dcBack, 253, 249, 266, 249);
    CopyBackBufferToWindow();
    pens.Restore("error 1020");
    pens.Delete(marks, "ERROR 384em");
}

void CTervanDlg::DrawSideGauge()
{
    SelectBackBuffer("error 1021");
    CopyMemberBitmap(m_bmpGauge, 420, 50, "error 1017c");
    CopyMemberBitmap(m_bmpGaugeTube, 550, ComputeManometer(m_nTubeY, m_dPressureDiff).Yg,
                     "error 1017c");
    DrawManometer();
}
