// The lab notebook, drawn over the right part of the bench: the page picture,
// its label, then the cover, a measurement page, the graph page or nothing;
// and its place cleared when it is put away. A page draws on any surface at
// the back buffer's coordinates, so that it can also be drawn on a picture
// of its own.
#include "app/TervanDlg.h"
#include "model/NotebookPages.h"
#include "notebook/NotebookPage.h"
#include "res/ErrorCodes.h"
#include "view/BenchLayout.h"
#include "view/DrawBitmap.h"
#include "view/SceneColours.h"

void CTervanDlg::DrawNotebook()
{
    SelectBackBuffer(Err::kNotebookBackBuffer);
    Notebook::DrawPage(m_dcBack, *this, m_strPage);
    CopyBackBufferToWindow();
}

void CTervanDlg::ClearNotebookPlace()
{
    m_dcBack.FillSolidRect(Bench::kNotebookPage.x, Bench::kNotebookPage.y, Bench::kNotebookW,
                           Bench::kNotebookH, Scene::kBench);
}

namespace Notebook {
void DrawPage(CDC& dc, const ExperimentState& s, const CString& label)
{
    // The empty page covers the previous one.
    DrawBitmap(&dc, Bench::kNotebookPage.x, Bench::kNotebookPage.y, Bench::kNotebookW,
               Bench::kNotebookH, Bench::kNotebookPage.id);
    NotebookFonts fonts;
    CFont* oldFont = dc.SelectObject(&fonts.label);
    dc.SetTextColor(kInk);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(565, 314, label);

    const int page = PageNumber(label);
    switch (PageKindFor(page, s.m_nCount)) {
    case PageKind::Measurements:
        DrawMeasurements(dc, s, fonts, page);
        break;
    case PageKind::Graph:
        DrawGraph(dc, s, fonts);
        break;
    default:
        break;
    }
    if (label == "-1-")
        DrawCover(dc, s, fonts);
    if (oldFont)
        dc.SelectObject(oldFont);
}

void DrawCover(CDC& dc, const ExperimentState& s, NotebookFonts& fonts)
{
    const CTime now = CTime::GetCurrentTime();
    CString text;
    text.Format("%d - %s - %4d", now.GetDay(), RomanMonth(now.GetMonth()), now.GetYear());
    dc.TextOut(512, 74, text);
    dc.SetTextColor(kTitle);
    dc.SelectObject(&fonts.title);
    dc.TextOut(425, 108, "Ombrina");
    dc.SetTextColor(kInk);
    dc.SelectObject(&fonts.table);
    dc.TextOut(425, 91, "Pràctica");
    if (s.m_bInitialNoted) {
        dc.TextOut(422, 157, "Mesures prèvies");
        dc.TextOut(427, 179, "Pressió atmosfèrica");
        text.Format("%5.1f mmHg", s.m_dAtmPressure);
        dc.TextOut(477, 201, text);
        dc.TextOut(427, 223, "Temperatura ambient");
        text.Format("%4.1f ºC", s.m_dRoomTemp);
        dc.TextOut(477, 244, text);
    }
    if (!s.m_strInitialLevel.IsEmpty()) {
        dc.TextOut(427, 266, "Nivell Hg inicial");
        dc.TextOut(477, 287, s.m_strInitialLevel);
    }
}

void DrawMeasurements(CDC& dc, const ExperimentState& s, NotebookFonts& fonts, int page)
{
    dc.SelectObject(&fonts.table);
    dc.TextOut(442, 69, "T(ºC)    h (cm)");
    const int first = 10 * (page - 2);
    for (int k = 0; k < 10; ++k) {
        const int row = first + k;
        if (row >= s.m_nCount)
            continue;
        CString line;
        line.Format("%5.1f       %4.1f", s.m_dTemp[row], s.m_dLevel[row]);
        dc.TextOut(442, 91 + 22 * k, line);
    }
}
} // namespace Notebook
