// The lab notebook, drawn over the right part of the bench: the page picture,
// its label, then the cover, a measurement page, the graph page or nothing;
// and its place cleared when it is put away.
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
    // The empty page covers the previous one.
    DrawBitmap(&m_dcBack, Bench::kNotebookPage.x, Bench::kNotebookPage.y, Bench::kNotebookW,
               Bench::kNotebookH, Bench::kNotebookPage.id);
    NotebookFonts fonts;
    CFont* oldFont = m_dcBack.SelectObject(&fonts.label);
    m_dcBack.SetTextColor(Notebook::kInk);
    m_dcBack.SetBkMode(TRANSPARENT);
    m_dcBack.TextOut(565, 314, m_strPage);

    const int page = PageNumber(m_strPage);
    switch (PageKindFor(page, m_nCount)) {
    case PageKind::Measurements:
        Notebook::DrawMeasurements(m_dcBack, *this, fonts, page);
        break;
    case PageKind::Graph:
        Notebook::DrawGraph(m_dcBack, *this, fonts);
        break;
    default:
        break;
    }
    if (m_strPage == "-1-")
        Notebook::DrawCover(m_dcBack, *this, fonts);
    if (oldFont)
        m_dcBack.SelectObject(oldFont);
    CopyBackBufferToWindow();
}

void CTervanDlg::ClearNotebookPlace()
{
    m_dcBack.FillSolidRect(Bench::kNotebookPage.x, Bench::kNotebookPage.y, Bench::kNotebookW,
                           Bench::kNotebookH, Scene::kBench);
}

namespace Notebook {
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
