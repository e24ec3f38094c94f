// The notebook's page buttons. The empty label reads as page 0, so all three
// open a put-away notebook at page 1.
#include <algorithm>

#include "app/TervanDlg.h"
#include "model/NotebookPages.h"

void CTervanDlg::OnPageFirst()
{
    m_strPage = "-1-";
    DrawNotebook();
}

void CTervanDlg::OnPagePrev()
{
    m_strPage.Format("-%d-", std::max(PageNumber(m_strPage) - 1, 1));
    DrawNotebook();
}

void CTervanDlg::OnPageNext()
{
    m_strPage.Format("-%d-", std::min(PageNumber(m_strPage) + 1, 99));
    DrawNotebook();
}
