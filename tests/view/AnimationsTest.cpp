#include "support/Pixels.h"
#include "support/TervanFixture.h"

namespace {
class AnimationsTest : public StartedFixture {
  protected:
    void SetUp() override
    {
        StartedFixture::SetUp();
        dlg->DrawBench();
    }
};

TEST_F(AnimationsTest, TheBottleRisesOneRowAFrameWithoutATrail)
{
    std::vector<int> rows;
    backend.onSleep = [&](UINT ms) {
        EXPECT_EQ(ms, 7u);
        rows.push_back(dlg->m_nBottleY);
    };
    const int copies = backend.ClientUpdates(*dlg);
    dlg->RaiseBottle();
    ASSERT_EQ(rows.size(), 54u);
    EXPECT_EQ(rows.front(), 253);
    EXPECT_EQ(rows.back(), 200);
    EXPECT_EQ(backend.ClientUpdates(*dlg) - copies, 54);
    EXPECT_EQ(DiffFromResource(*back, 70, 200, IDB_BOTTLE), 0);
    for (int x = 70; x < 179; ++x) // the rows the bottle left are bench again
        EXPECT_EQ(PixelAt(*back, x, 395), RGB(215, 255, 215)) << x;
    dlg->DrawBench(); // and a repaint draws it where the last frame left it
    EXPECT_EQ(DiffFromResource(*back, 70, 200, IDB_BOTTLE), 0);
}

TEST_F(AnimationsTest, TheBathFadesInThenFillsFromTheBottom)
{
    // Each frame is read from the back buffer right after it was drawn.
    struct Frame {
        COLORREF top, wall, edge, water174, water176, gap174;
    };
    std::vector<Frame> frames;
    backend.onSleep = [&](UINT ms) {
        EXPECT_EQ(ms, 30u);
        frames.push_back({PixelAt(*back, 100, 391), PixelAt(*back, 52, 300),
                          PixelAt(*back, 48, 300), PixelAt(*back, 56, 174), PixelAt(*back, 55, 176),
                          PixelAt(*back, 55, 174)});
    };
    dlg->FillWaterBath();
    ASSERT_EQ(frames.size(), 161u);
    EXPECT_EQ(frames[0].top, RGB(215, 255, 255));
    EXPECT_EQ(frames[0].wall, RGB(215, 255, 255));
    EXPECT_EQ(frames[0].edge, RGB(215, 255, 255));
    EXPECT_EQ(frames[30].top, RGB(171, 159, 159));
    EXPECT_EQ(frames[30].wall, RGB(107, 191, 223));
    EXPECT_EQ(frames[30].edge, RGB(150, 227, 255));
    EXPECT_EQ(frames[60].top, RGB(128, 64, 64));
    EXPECT_EQ(frames[60].wall, RGB(0, 128, 192));
    EXPECT_EQ(frames[60].edge, RGB(85, 200, 255));
    // Line j is drawn in frame 61 + j: y 176 is j = 97, from x 54 (a dot at
    // 55); y 174 is j = 98, from x 50 (a gap at 55, a dot at 56).
    const COLORREF water = RGB(85, 200, 255);
    EXPECT_NE(frames[61 + 96].water176, water);
    EXPECT_EQ(frames[61 + 97].water176, water);
    EXPECT_NE(frames[61 + 97].water174, water);
    EXPECT_EQ(frames[61 + 98].water174, water);
    EXPECT_NE(frames[61 + 98].gap174, water);
    EXPECT_EQ(PixelAt(*back, 69, 120), RGB(0, 20, 20)); // the probe, under the water
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_EQ(dlg->m_dcBack.GetPenAttributes().width, 1); // the saved pen is back
}
} // namespace
