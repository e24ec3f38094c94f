#include "support/BenchPoints.h"
#include "support/Pixels.h"
#include "support/TervanFixture.h"

namespace {
constexpr COLORREF kBench = RGB(215, 255, 215);
constexpr COLORREF kWater = RGB(85, 200, 255);

class BenchSceneTest : public StartedFixture {};

TEST_F(BenchSceneTest, PicturesLandAtTheirPlaces)
{
    const int copies = backend.ClientUpdates(*dlg);
    dlg->DrawBench();
    EXPECT_EQ(DiffFromResource(*back, 70, 254, IDB_BOTTLE), 0); // clipped at the bottom
    EXPECT_EQ(DiffFromResource(*back, 147, 132, IDB_TUBE_H, 0, 0, 87, 15), 0); // up to the valve
    EXPECT_EQ(DiffFromResource(*back, 252, 210, IDB_TUBE_V), 0); // runs past the bottom edge
    EXPECT_EQ(DiffFromResource(*back, 243, 55, IDB_FUNNEL), 0);
    for (int frame = IDB_VALVE_OPEN; frame <= IDB_VALVE_CLOSED; ++frame) {
        dlg->m_nValveFrame = frame;
        dlg->DrawBench();
        EXPECT_EQ(DiffFromResource(*back, 234, 114, frame), 0) << frame;
    }
    dlg->m_nBottleY = 200;
    dlg->DrawBench();
    EXPECT_EQ(DiffFromResource(*back, 70, 200, IDB_BOTTLE), 0);
    EXPECT_EQ(PixelAt(*back, 5, 395), kBench);
    EXPECT_EQ(backend.ClientUpdates(*dlg) - copies, 8); // each routine copies once
    EXPECT_TRUE(backend.MessageBoxes().empty());
    // What the window shows is the back buffer at (21, 21).
    EXPECT_EQ(backend.ClientPixel(*dlg, 121, 271), PixelAt(*back, 100, 250));
}

TEST_F(BenchSceneTest, RulerTicks)
{
    dlg->DrawBench();
    const COLORREF blue = RGB(0, 128, 192);
    int majors = 0;
    // The numbers end left of the ticks' right part: read the ticks there.
    for (int y = 0; y < 400; ++y) {
        const bool major = PixelAt(*back, 340, y) == blue;
        if (major) {
            ++majors;
            EXPECT_EQ(y % 12, 0) << y;
            EXPECT_EQ(PixelAt(*back, 335, y), blue) << y;
        }
        const bool minor = y % 12 != 0 && y % 3 == 0;
        EXPECT_EQ(PixelAt(*back, 336, y) == blue, major || minor) << y;
        EXPECT_EQ(PixelAt(*back, 339, y) == blue, major || minor) << y;
        for (int x = 341; x < 350; ++x)
            ASSERT_EQ(PixelAt(*back, x, y), kBench) << x << "," << y;
    }
    EXPECT_EQ(majors, 34);
    EXPECT_EQ(PixelAt(*back, 336, 399), blue);
}

TEST_F(BenchSceneTest, ThermometerShowsTheWaterTemperature)
{
    dlg->m_dWaterTemp = 21.34;
    dlg->DrawThermometer();
    EXPECT_EQ(DiffFromResource(*back, 10, 10, IDB_THERMOMETER, 0, 0, 199, 33),
              0); // above the digits
    EXPECT_EQ(DiffFromResource(*back, Bench::kDigitsX + 37, Bench::kDigitsY, IDB_DIGIT_0 + 2, 0, 0,
                               37, 40),
              0); // the 2
    const COLORREF brown = RGB(128, 64, 64);
    EXPECT_EQ(PixelAt(*back, 0, 60), brown); // the bar's stub left of the case
    EXPECT_EQ(PixelAt(*back, 9, 93), brown);
    EXPECT_NE(PixelAt(*back, 9, 94), brown);
    EXPECT_NE(PixelAt(*back, 9, 59), brown);
    dlg->m_dWaterTemp = 12345.0;
    dlg->DrawThermometer();
    EXPECT_EQ(DiffFromResource(*back, Bench::kDigitsX, Bench::kDigitsY, IDB_DIGIT_E), 0); // ERR
}

TEST_F(BenchSceneTest, WaterBathLinesAndWalls)
{
    dlg->m_nBottleY = 200;
    dlg->DrawBench();
    dlg->DrawWaterBath();
    const COLORREF brown = RGB(128, 64, 64);
    EXPECT_EQ(PixelAt(*back, 0, 374), brown);
    EXPECT_EQ(PixelAt(*back, 0, 399), brown);
    EXPECT_NE(PixelAt(*back, 0, 373), brown);
    EXPECT_EQ(PixelAt(*back, 231, 391), brown); // the round end
    EXPECT_NE(PixelAt(*back, 233, 391), brown);
    // Odd lines start at 54, even ones at 50: dots of 3, gaps of 3.
    auto dots = [&](int y) {
        std::string s;
        for (int x = 55; x <= 63; ++x)
            s += PixelAt(*back, x, y) == kWater ? '#' : '.';
        return s;
    };
    EXPECT_EQ(dots(172), "##...###."); // the top line (j = 99) from x 54
    EXPECT_EQ(dots(174), ".###...##"); // from x 50
    EXPECT_EQ(dots(364), "##...###."); // j = 3
    EXPECT_EQ(dots(170), "........."); // never a line at 170
    EXPECT_EQ(dots(173), ".........");
    EXPECT_EQ(PixelAt(*back, 52, 300), RGB(0, 128, 192)); // wall
    EXPECT_EQ(PixelAt(*back, 48, 300), kWater);           // inner edge
    EXPECT_EQ(PixelAt(*back, 69, 120), RGB(0, 20, 20));   // probe
    EXPECT_TRUE(backend.MessageBoxes().empty());
    WritePng(*back, ArtefactPath("bench-submerged.png"));
}
} // namespace
