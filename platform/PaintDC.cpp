#include "platform/PaintDC.h"

#include "platform/Backend.h"
#include "platform/Wnd.h"

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

CPaintDC::CPaintDC(CWnd* wnd) : CClientDC(wnd), m_pPaintWnd(wnd) {}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    IBackend* backend = GetBackend();
    if (!backend || !m_pPaintWnd || !m_pPaintWnd->IsWindow() || !GetSurface() || icon == 0)
        return FALSE;
    backend->DrawIcon(*m_pPaintWnd, x, y, icon);
    return TRUE;
}
