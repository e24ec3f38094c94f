#include "notebook/PagePictures.h"

#include <algorithm>

#include "model/NotebookPages.h"
#include "notebook/NotebookPage.h"
#include "view/BenchLayout.h"

namespace Notebook {
std::vector<int> PagesToHandIn(int count)
{
    std::vector<int> pages = {1};
    // Rows fill pages from 2 on; the graph page follows the last of them.
    for (int page = 2; page <= count / 10 + 3; ++page) {
        const PageKind kind = PageKindFor(page, count);
        if (kind == PageKind::Measurements || kind == PageKind::Graph)
            pages.push_back(page);
    }
    return pages;
}

bool DrawPagePicture(const ExperimentState& s, int page, Surface& picture)
{
    // The page draws at the back buffer's coordinates: a scratch surface of
    // the back buffer's size takes it, and the notebook's place is cut out.
    CDC dc;
    CBitmap scratch;
    if (!dc.CreateCompatibleDC(nullptr) ||
        !scratch.CreateCompatibleBitmap(nullptr, Bench::kBackBufferW, Bench::kBackBufferH) ||
        !dc.SelectObject(&scratch))
        return false;
    CString label;
    label.Format("-%d-", page);
    DrawPage(dc, s, label);
    picture.Reset(Bench::kNotebookW, Bench::kNotebookH);
    picture.CopyFrom(0, 0, Bench::kNotebookW, Bench::kNotebookH, *scratch.GetSurface(),
                     Bench::kNotebookPage.x, Bench::kNotebookPage.y);
    return true;
}

Surface SideBySide(const std::vector<Surface>& pictures)
{
    int width = 0, height = 0;
    for (const Surface& p : pictures) {
        width += p.width;
        height = std::max(height, p.height);
    }
    Surface all(width, height);
    int x = 0;
    for (const Surface& p : pictures) {
        all.CopyFrom(x, 0, p.width, p.height, p, 0, 0);
        x += p.width;
    }
    return all;
}
} // namespace Notebook
