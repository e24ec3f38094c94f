// Drawing objects and their selection into DCs: what SelectObject gives back,
// every way it refuses, injected failures, lifetimes, and the flow of a
// drawing routine from back buffer to window.
#include <gtest/gtest.h>

#include <memory>

#include "ProbeResources.h"
#include "platform/Dc.h"
#include "platform/Faults.h"

namespace {

class DcTest : public ::testing::Test {
  protected:
    void SetUp() override { Faults::Reset(); }
    void TearDown() override { Faults::Reset(); }
};

} // namespace

TEST_F(DcTest, SelectObjectGivesBackWhatWasSelectedBefore)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen a(PS_SOLID, 3, RGB(1, 2, 3)), b(PS_DOT, 0, RGB(4, 5, 6));
    EXPECT_EQ(b.GetAttributes().width, 1);
    EXPECT_EQ(dc.SelectObject(&a), CPen::Stock());
    EXPECT_EQ(dc.SelectObject(&b), &a);
    EXPECT_EQ(dc.GetPenAttributes().style, PS_DOT);
    EXPECT_EQ(dc.SelectObject(&a), &b);

    CFont font;
    ASSERT_TRUE(font.CreateFont(10, 5, 0, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                "Comic Sans Serif"));
    CFont* stockFont = dc.SelectObject(&font);
    EXPECT_EQ(stockFont, CFont::Stock());
    EXPECT_EQ(dc.GetFontRequest().faceName, "Comic Sans Serif");
    EXPECT_EQ(dc.GetFontRequest().height, 10);
    EXPECT_EQ(dc.SelectObject(stockFont), &font);

    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dc, 3, 2));
    CBitmap* stockBitmap = dc.SelectObject(&bmp);
    EXPECT_EQ(stockBitmap, CBitmap::Stock());
    EXPECT_EQ(dc.GetSurface(), bmp.GetSurface());
    EXPECT_EQ(dc.SelectObject(stockBitmap), &bmp);
    EXPECT_EQ(bmp.GetSelectingDC(), nullptr);
}

TEST_F(DcTest, SelectObjectRefusesAndKeepsTheSelection)
{
    CDC dc;
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    EXPECT_EQ(dc.SelectObject(&pen), nullptr); // the DC was never created
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ASSERT_NE(dc.SelectObject(&pen), nullptr);

    CPen never;
    EXPECT_EQ(dc.SelectObject(&never), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);

    CPen released(PS_SOLID, 5, RGB(1, 1, 1));
    ASSERT_TRUE(released.DeleteObject());
    EXPECT_EQ(dc.SelectObject(&released), nullptr);

    auto gone = std::make_unique<CPen>(PS_SOLID, 5, RGB(1, 1, 1));
    CPen* dangling = gone.get();
    gone.reset();
    EXPECT_EQ(dc.SelectObject(dangling), nullptr);

    CPen other(PS_SOLID, 7, RGB(2, 2, 2));
    Faults::Arm(GdiOp::SelectPen, 1);
    EXPECT_EQ(dc.SelectObject(&other), nullptr);
    EXPECT_EQ(dc.GetPenAttributes().color, RGB(9, 9, 9));
    EXPECT_EQ(dc.SelectObject(&other), &pen); // only the armed one fails

    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(nullptr, 2, 2));
    Faults::Arm(GdiOp::SelectBitmap, 1);
    EXPECT_EQ(dc.SelectObject(&bmp), nullptr);
    EXPECT_EQ(dc.GetSurface()->width, 1);
    CBitmap notLoaded;
    EXPECT_FALSE(notLoaded.LoadBitmap(0xFFFF));
    EXPECT_EQ(dc.SelectObject(&notLoaded), nullptr);
}

TEST_F(DcTest, CreationAndReleaseFailWhenInjected)
{
    Faults::Arm(GdiOp::CreatePen, 2);
    CPen first, second, third;
    EXPECT_TRUE(first.CreatePen(PS_SOLID, 34, RGB(128, 64, 64)));
    EXPECT_FALSE(second.CreatePen(PS_SOLID, 34, RGB(128, 64, 64)));
    EXPECT_FALSE(second.IsCreated());
    EXPECT_TRUE(third.CreatePen(PS_DOT, 1, RGB(85, 200, 255)));
    EXPECT_EQ(Faults::Count(GdiOp::CreatePen), 3);

    Faults::Arm(GdiOp::DeletePen, 1);
    EXPECT_FALSE(first.DeleteObject());
    EXPECT_TRUE(first.IsCreated());
    EXPECT_TRUE(first.DeleteObject());
    EXPECT_FALSE(first.DeleteObject()); // nothing left to release

    Faults::Arm(GdiOp::CreateFont, 1);
    CFont font;
    auto createFont = [&] {
        return font.CreateFont(12, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    };
    EXPECT_FALSE(createFont());
    EXPECT_TRUE(createFont());
    Faults::Arm(GdiOp::DeleteFont, 1);
    EXPECT_FALSE(font.DeleteObject());
    EXPECT_TRUE(font.IsCreated());

    CPen bad;
    EXPECT_FALSE(bad.CreatePen(PS_SOLID, -1, 0));
    EXPECT_FALSE(bad.CreatePen(7, 1, 0));
}

TEST_F(DcTest, ObjectLifetimesStaySafe)
{
    CDC one, two;
    ASSERT_TRUE(one.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(two.CreateCompatibleDC(&one));
    CBitmap shared;
    ASSERT_TRUE(shared.CreateCompatibleBitmap(&one, 4, 4));
    ASSERT_NE(one.SelectObject(&shared), nullptr);
    EXPECT_EQ(two.SelectObject(&shared), nullptr); // one DC at a time
    EXPECT_EQ(one.SelectObject(CBitmap::Stock()), &shared);
    EXPECT_EQ(two.SelectObject(&shared), CBitmap::Stock());

    {
        CBitmap doomed;
        ASSERT_TRUE(doomed.CreateCompatibleBitmap(&one, 8, 8));
        ASSERT_NE(one.SelectObject(&doomed), nullptr);
    }
    ASSERT_NE(one.GetSurface(), nullptr);
    EXPECT_EQ(one.GetSurface()->width, 1); // fell back to the stock bitmap
    one.FillSolidRect(0, 0, 8, 8, RGB(1, 2, 3));
    EXPECT_EQ(one.GetPixel(0, 0), RGB(1, 2, 3));

    ASSERT_TRUE(shared.DeleteObject());
    EXPECT_EQ(two.GetSurface()->width, 1);
    EXPECT_TRUE(two.DeleteDC());
    EXPECT_EQ(two.GetSurface(), nullptr);

    Surface window(10, 10, 0x00FFFFFF);
    CDC client;
    client.AttachSurface(&window);
    auto pen = std::make_unique<CPen>(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* old = client.SelectObject(pen.get());
    CPen* dead = pen.get();
    pen.reset();
    client.MoveTo(0, 0);
    client.LineTo(5, 0);
    EXPECT_EQ(client.GetPixel(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(client.SelectObject(old), dead); // handed back, never followed
    EXPECT_EQ(client.SelectObject(dead), nullptr);
    client.DetachSurface();
    EXPECT_EQ(client.GetPixel(0, 0), CLR_INVALID);
}

TEST_F(DcTest, ADrawingRoutineComposesAndReachesTheWindow)
{
    CDC back, image;
    CBitmap bmpBack, bmpBottle;
    Surface client(642, 442, 0);
    CDC clientDc;
    clientDc.AttachSurface(&client);
    ASSERT_TRUE(back.CreateCompatibleDC(&clientDc));
    ASSERT_TRUE(bmpBack.CreateCompatibleBitmap(&clientDc, 600, 400));
    ASSERT_TRUE(image.CreateCompatibleDC(&clientDc));
    ASSERT_TRUE(bmpBottle.CreateCompatibleBitmap(&image, 109, 152));

    ASSERT_NE(back.SelectObject(&bmpBack), nullptr);
    back.FillSolidRect(0, 0, 600, 400, RGB(215, 255, 215));
    ASSERT_NE(image.SelectObject(&bmpBottle), nullptr);
    image.FillSolidRect(0, 0, 109, 152, RGB(10, 20, 30));
    EXPECT_TRUE(back.BitBlt(70, 300, 109, 152, &image, 0, 0, SRCCOPY));
    EXPECT_FALSE(back.BitBlt(0, 0, 1, 1, &image, 0, 0, 0x00EE0086));

    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 34, RGB(128, 64, 64)));
    CPen* old = back.SelectObject(&pen);
    ASSERT_NE(old, nullptr);
    back.MoveTo(-10, 391);
    EXPECT_TRUE(back.LineTo(215, 391));
    ASSERT_NE(back.SelectObject(old), nullptr);
    EXPECT_TRUE(pen.DeleteObject());

    EXPECT_TRUE(clientDc.BitBlt(21, 21, 600, 400, &back, 0, 0, SRCCOPY));
    EXPECT_EQ(clientDc.GetPixel(21 + 100, 21 + 380), RGB(128, 64, 64));
    EXPECT_EQ(clientDc.GetPixel(21 + 100, 21 + 360), RGB(10, 20, 30)); // bottle, clipped
    EXPECT_EQ(clientDc.GetPixel(21 + 300, 21 + 200), RGB(215, 255, 215));
    EXPECT_EQ(clientDc.GetPixel(20, 20), RGB(0, 0, 0));
}

TEST_F(DcTest, LoadsEmbeddedBitmapsByID)
{
    CBitmap first, again;
    ASSERT_TRUE(first.LoadBitmap(Probe::kBitmap));
    ASSERT_TRUE(again.LoadBitmap(Probe::kBitmap));
    EXPECT_EQ(first.GetWidth(), 2);
    // Rows come top-down, whatever order the file keeps them in.
    EXPECT_EQ(first.GetSurface()->pixels,
              (std::vector<Pixel>{0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu}));
    EXPECT_EQ(first.GetSurface()->pixels, again.GetSurface()->pixels);
    EXPECT_FALSE(first.LoadBitmap(Probe::kBitmap)); // already loaded
}
