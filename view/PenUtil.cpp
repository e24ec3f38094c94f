#include "view/PenUtil.h"

#include "app/TervanDlg.h"

namespace {
void Report(CTervanDlg& owner, const char* code)
{
    if (code)
        owner.ReportError(code);
}
} // namespace

void CPenSwap::Use(CPen& pen, int style, int width, COLORREF color, const char* createCode,
                   const char* selectCode)
{
    if (!pen.CreatePen(style, width, color))
        Report(m_owner, createCode);
    CPen* previous = m_dc.SelectObject(&pen);
    if (!previous)
        Report(m_owner, selectCode);
    else if (!m_previous)
        m_previous = previous;
}

void CPenSwap::Restore(const char* code)
{
    // Nothing to restore when no pen of ours was ever selected.
    if (m_previous && !m_dc.SelectObject(m_previous))
        Report(m_owner, code);
}

void CPenSwap::Delete(CPen& pen, const char* code)
{
    if (!pen.DeleteObject())
        Report(m_owner, code);
}
