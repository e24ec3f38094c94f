// The notebook's pages drawn on pictures of their own: the very pixels the
// back buffer shows at each page, with the window, the back buffer and the
// page label left alone.
#include "notebook/PagePictures.h"
#include "support/Pixels.h"
#include "support/TervanFixture.h"

namespace {
class PagePicturesTest : public StartedFixture {
  protected:
    void Rows(int count)
    {
        dlg->m_bInitialNoted = true;
        dlg->m_strInitialLevel = "12,5 cm";
        dlg->m_nCount = count;
        for (int i = 0; i < count; ++i) {
            dlg->m_dTemp[i] = 19.3 + 2.7 * i;
            dlg->m_dLevel[i] = 12.5 + 0.9 * i;
        }
    }
    // The notebook's place in the back buffer as page `page` shows it.
    Surface Shown(int page)
    {
        dlg->m_strPage.Format("-%d-", page);
        dlg->DrawNotebook();
        Surface place(212, 299);
        place.CopyFrom(0, 0, 212, 299, *back, 387, 50);
        return place;
    }
};

TEST_F(PagePicturesTest, TheCoverEveryPageWithRowsAndTheGraph)
{
    using Pages = std::vector<int>;
    EXPECT_EQ(Notebook::PagesToHandIn(0), Pages({1}));
    EXPECT_EQ(Notebook::PagesToHandIn(1), Pages({1, 2}));
    EXPECT_EQ(Notebook::PagesToHandIn(2), Pages({1, 2, 3}));
    EXPECT_EQ(Notebook::PagesToHandIn(9), Pages({1, 2, 3}));
    EXPECT_EQ(Notebook::PagesToHandIn(10), Pages({1, 2, 4})); // page 3 is blank
    EXPECT_EQ(Notebook::PagesToHandIn(11), Pages({1, 2, 3, 4}));
    EXPECT_EQ(Notebook::PagesToHandIn(14), Pages({1, 2, 3, 4}));
}

TEST_F(PagePicturesTest, EachPictureIsThePageTheBackBufferShows)
{
    Rows(12);
    dlg->m_strPage = "-2-";
    dlg->DrawNotebook();
    const std::vector<Pixel> before = back->pixels;
    const int updates = backend.ClientUpdates(*dlg);
    std::vector<Surface> pictures;
    for (int page : Notebook::PagesToHandIn(12)) {
        Surface picture;
        ASSERT_TRUE(Notebook::DrawPagePicture(*dlg, page, picture)) << page;
        pictures.push_back(picture);
    }
    // Drawing the pictures touched neither the buffer, the window nor the label.
    EXPECT_TRUE(back->pixels == before);
    EXPECT_EQ(backend.ClientUpdates(*dlg), updates);
    EXPECT_EQ(dlg->m_strPage, "-2-");

    const int pages[] = {1, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        const Surface shown = Shown(pages[i]);
        ASSERT_EQ(pictures[i].width, 212);
        ASSERT_EQ(pictures[i].height, 299);
        EXPECT_TRUE(pictures[i].pixels == shown.pixels) << "page " << pages[i];
        WritePng(pictures[i], ArtefactPath("page-picture-" + std::to_string(pages[i]) + ".png"));
    }
    // Pages differ from each other: a picture of the wrong page is seen.
    EXPECT_FALSE(pictures[1].pixels == pictures[2].pixels);

    const Surface all = Notebook::SideBySide(pictures);
    ASSERT_EQ(all.width, 4 * 212);
    ASSERT_EQ(all.height, 299);
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 299; y += 7)
            for (int x = 0; x < 212; x += 3)
                ASSERT_EQ(all.At(212 * i + x, y), pictures[i].At(x, y))
                    << i << ": " << x << ", " << y;
}
} // namespace
