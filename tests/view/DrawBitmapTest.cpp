// Copying a bitmap resource by ID: the picture where asked, and nothing at
// all for an ID without a picture or a picture that cannot be selected.
#include <gtest/gtest.h>

#include "platform/Faults.h"
#include "res/ResourceIds.h"
#include "support/Pixels.h"
#include "view/DrawBitmap.h"

namespace {
class DrawBitmapTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(canvas.CreateCompatibleBitmap(&dc, 80, 80));
        dc.SelectObject(&canvas);
        dc.FillSolidRect(0, 0, 80, 80, RGB(1, 2, 3));
    }
    void TearDown() override { Faults::Reset(); }

    // How many pixels differ from the fill.
    int Painted()
    {
        int n = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                n += dc.GetPixel(x, y) != RGB(1, 2, 3);
        return n;
    }

    CDC dc;
    CBitmap canvas;
};

TEST_F(DrawBitmapTest, APictureLandsAtItsPlaceAndNothingElseDraws)
{
    for (UINT missing : {0u, 161u, 162u, 164u, 9999u}) {
        DrawBitmap(&dc, 10, 10, 50, 50, missing);
        EXPECT_EQ(Painted(), 0) << missing;
    }
    Faults::Arm(GdiOp::SelectBitmap, 1);
    DrawBitmap(&dc, 10, 10, 50, 50, IDB_VALVE_OPEN);
    EXPECT_EQ(Painted(), 0) << "a picture that could not be selected";

    DrawBitmap(&dc, 10, 10, 50, 50, IDB_VALVE_OPEN); // the open valve, 50 x 50
    EXPECT_EQ(DiffFromResource(*canvas.GetSurface(), 10, 10, IDB_VALVE_OPEN), 0);
    EXPECT_EQ(dc.GetPixel(9, 9), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(60, 60), RGB(1, 2, 3));
}
} // namespace
