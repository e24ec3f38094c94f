#include <cmath>

#include "model/ManometerGeometry.h"
#include "support/Pixels.h"
#include "support/TervanFixture.h"
#include "view/BenchLayout.h"

namespace {
constexpr COLORREF kBench = RGB(215, 255, 215);
constexpr COLORREF kMercury = RGB(173, 173, 173);

class ManometerTest : public StartedFixture {
  protected:
    void SetUp() override
    {
        StartedFixture::SetUp();
        dlg->DrawBench();
    }
    // A closed bottle behind a closed valve, so a difference shows.
    void Closed(int tubeY, double diff)
    {
        dlg->m_bBottleClosed = true;
        dlg->m_nValveFrame = IDB_VALVE_CLOSED;
        dlg->m_nTubeY = tubeY;
        dlg->m_dPressureDiff = diff;
    }
    // The surface's row of a 7-px mercury column, read in column x, one left
    // of its axis: there the round end reaches 3 rows above the surface.
    int MercuryTop(int x)
    {
        for (int y = 0; y < 400; ++y)
            if (PixelAt(*back, x, y) == kMercury)
                return y + 3;
        return -1;
    }
};

TEST_F(ManometerTest, SurfacesFollowTheDifferenceOnlyBehindAClosedValve)
{
    Closed(100, 8.0); // w 270, h 10
    dlg->DrawManometer();
    EXPECT_EQ(MercuryTop(259), 280);                         // left sinks
    EXPECT_EQ(MercuryTop(357), 260);                         // right rises
    EXPECT_EQ(PixelAt(*back, 359, 270), RGB(240, 240, 240)); // highlight
    EXPECT_EQ(PixelAt(*back, 260, 246), RGB(128, 64, 64));   // reference marks
    EXPECT_EQ(PixelAt(*back, 260, 249), RGB(128, 64, 64));

    dlg->m_nValveFrame = IDB_VALVE_OPEN; // open: level, and the difference is gone
    dlg->DrawManometer();
    EXPECT_EQ(dlg->m_dPressureDiff, 0.0);
    EXPECT_EQ(MercuryTop(259), 270);
    EXPECT_EQ(MercuryTop(357), 270);
    Closed(60, 5.0);
    dlg->m_bBottleClosed = false;
    dlg->DrawManometer();
    EXPECT_EQ(dlg->m_dPressureDiff, 0.0);
    EXPECT_EQ(MercuryTop(259), 250); // one row below the lower mark
    WritePng(*back, ArtefactPath("manometer.png"));
}

TEST_F(ManometerTest, ColumnsAndHoseAreTheirPensWideAndColoured)
{
    Closed(-100, 0.0); // both surfaces at 170, the hose from 331 down
    dlg->DrawManometer();
    const COLORREF highlight = RGB(240, 240, 240), hose = RGB(255, 189, 157);
    // 7-px mercury on the axes 260 and 358, the 2-px highlight on the axis
    // and the column before it.
    for (int dx = -4; dx <= 4; ++dx) {
        const COLORREF expected = dx < -3 || dx > 3    ? COLORREF(CLR_INVALID)
                                  : dx == 0 || dx == 1 ? highlight
                                                       : kMercury;
        for (int axis : {Bench::kLeftMercuryX, Bench::kRightMercuryX}) {
            const COLORREF seen = PixelAt(*back, axis + dx, 300);
            if (expected == CLR_INVALID)
                EXPECT_TRUE(seen != kMercury && seen != highlight) << axis + dx;
            else
                EXPECT_EQ(seen, expected) << axis + dx;
        }
    }
    EXPECT_EQ(PixelAt(*back, 260, 246), RGB(128, 64, 64)); // the marks across the glass
    EXPECT_EQ(PixelAt(*back, 253, 249), RGB(128, 64, 64));
    EXPECT_NE(PixelAt(*back, 266, 249), RGB(128, 64, 64)); // a 1-px line stops short
    // The 23-px hose below the right branch: x 347..369.
    for (int x = 340; x < 375; ++x)
        EXPECT_EQ(PixelAt(*back, x, 360) == hose, x >= 347 && x <= 369) << x;
}

TEST_F(ManometerTest, SpillChecksWarnOnceThenClamp)
{
    std::vector<std::string> warnings;
    auto answer = [&] {
        backend.ExpectModal([&](CDialog& d) {
            warnings.push_back(backend.ControlText(d, IDC_WARNING_TEXT));
            return IDOK;
        });
    };
    Closed(100, 120.0); // R = 270 - 150 = 120: R - tube = 20 is safe
    dlg->DrawManometer();
    EXPECT_TRUE(warnings.empty());
    EXPECT_FALSE(dlg->m_bOverflowWarned);

    Closed(100, 120.8); // R = 119: warns, ends a drag, draws and copies nothing
    dlg->m_bDragging = true;
    const int copies = backend.ClientUpdates(*dlg);
    const Surface before = *back;
    answer();
    dlg->DrawManometer();
    EXPECT_EQ(back->pixels, before.pixels);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("El tub dret s'ha de moure per amunt.", 0), 0u);
    EXPECT_TRUE(dlg->m_bOverflowWarned);
    EXPECT_FALSE(dlg->m_bDragging);
    EXPECT_EQ(backend.ClientUpdates(*dlg), copies);
    dlg->DrawManometer(); // latched: clamps to tube + 20 without a warning
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_EQ(MercuryTop(357), 120);
    Closed(100, 120.0);
    dlg->DrawManometer();
    EXPECT_FALSE(dlg->m_bOverflowWarned); // cleared once safe again

    Closed(-104, 0.0); // L = 168: safe
    dlg->DrawManometer();
    EXPECT_TRUE(warnings.size() == 1u);
    Closed(-106, 0.0); // L = 167
    answer();
    dlg->DrawManometer();
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[1].rfind("El tub dret s'ha de moure per avall.", 0), 0u);
    dlg->DrawManometer();
    EXPECT_EQ(MercuryTop(259), 168);
}

TEST_F(ManometerTest, NestedCallsBehindTheWarningClampAndDraw)
{
    Closed(100, 120.8);
    dlg->SetTimer(CTervanDlg::kGasTimer, CTervanDlg::kGasTimerMs);
    dlg->m_dGasPressure = dlg->m_dAtmPressure + 120.8;
    dlg->m_dGasConstant = dlg->m_dGasPressure / (dlg->m_dGasTemp + 273.15);
    int copiesBehind = 0;
    backend.ExpectModal([&](CDialog&) {
        const int before = backend.ClientUpdates(*dlg);
        backend.Advance(100); // two gas ticks redraw the manometer meanwhile
        copiesBehind = backend.ClientUpdates(*dlg) - before;
        EXPECT_EQ(MercuryTop(357), 120);
        return IDOK;
    });
    const int copies = backend.ClientUpdates(*dlg);
    dlg->DrawManometer();
    EXPECT_EQ(copiesBehind, 2);
    EXPECT_EQ(backend.ClientUpdates(*dlg) - copies, 2); // the outer call copied nothing
    EXPECT_EQ(backend.PendingModalScripts(), 0u);
}

TEST_F(ManometerTest, NothingRightOfTheStripUnlessTheGaugeShows)
{
    dlg->m_dcBack.FillSolidRect(387, 0, 213, 400, RGB(9, 9, 9));
    Closed(320, 0.0);
    dlg->DrawManometer();
    dlg->m_bSubmerged = true; // the notebook still open
    dlg->DrawManometer();
    for (int y = 0; y < 400; y += 3)
        for (int x = 387; x < 600; x += 3)
            ASSERT_EQ(PixelAt(*back, x, y), RGB(9, 9, 9)) << x << "," << y;
    dlg->m_strPage.Empty();
    dlg->DrawSideGauge();
    EXPECT_EQ(DiffFromResource(*back, Bench::kGauge.x, Bench::kGauge.y, IDB_GAUGE, 0, 0, 80, 166),
              0);
    const ManometerGeometry g = ComputeManometer(320, 0.0);
    EXPECT_EQ(DiffFromResource(*back, Bench::kGaugeTubeX, g.Yg, IDB_GAUGE_TUBE, 0, 0, 13, 4),
              0);                                                // the small mouth
    EXPECT_EQ(PixelAt(*back, 555, g.M + 2), RGB(173, 173, 173)); // gauge mercury
    EXPECT_EQ(PixelAt(*back, 595, 10), kBench);
    // Both 9-px gauge hoses: the left one on x 509, the right on 557.
    for (int dx = -5; dx <= 5; ++dx) {
        const bool inHose = dx >= -4 && dx <= 4;
        EXPECT_EQ(PixelAt(*back, Bench::kGaugeLeftHoseX + dx, 250) == RGB(255, 189, 157), inHose)
            << dx;
        EXPECT_EQ(PixelAt(*back, Bench::kGaugeRightHoseX + dx, 320) == RGB(255, 189, 157), inHose)
            << dx;
    }
    WritePng(*back, ArtefactPath("side-gauge.png"));
}
} // namespace
