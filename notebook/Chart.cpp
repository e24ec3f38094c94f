#include "notebook/Chart.h"

#include <algorithm>

#include "model/Truncate.h"
#include "view/PenUtil.h"

void CChart::SetRect(int left, int top, int width, int height)
{
    m_nLeft = left;
    m_nTop = top;
    m_nWidth = width;
    m_nHeight = height;
    m_nRight = left + width;
    m_nBottom = top + height;
    m_nOriginX = left;
    m_nOriginY = top + height;
}

void CChart::SetRange(double xmin, double xmax, double ymin, double ymax)
{
    m_dXMin = xmin;
    m_dXMax = xmax;
    m_dYMin = ymin;
    m_dYMax = ymax;
    // An empty range maps one world unit to one pixel instead of dividing by 0.
    m_dXScale = xmin != xmax ? m_nWidth / (xmax - xmin) : 1.0;
    m_dYScale = ymin != ymax ? -m_nHeight / (ymax - ymin) : -1.0;
}

CPoint CChart::ToScreen(double x, double y) const
{
    return CPoint(TruncToInt((x - m_dXMin) * m_dXScale) + m_nOriginX,
                  TruncToInt((y - m_dYMin) * m_dYScale) + m_nOriginY);
}

void CChart::ToWorld(int sx, int sy, double& x, double& y) const
{
    x = (sx - m_nOriginX) / m_dXScale + m_dXMin;
    y = (sy - m_nOriginY) / m_dYScale + m_dYMin;
}

bool CChart::Contains(double x, double y) const
{
    return m_dXMin <= x && x <= m_dXMax && m_dYMin <= y && y <= m_dYMax;
}

void CChart::PlotPoint(CDC* dc, double x, double y, COLORREF colour) const
{
    if (!Contains(x, y))
        return;
    const CPoint p = ToScreen(x, y);
    dc->FillSolidRect(p.x - 1, p.y - 1, 3, 3, colour);
}

void CChart::DrawSegment(CDC* dc, double x1, double y1, double x2, double y2) const
{
    const CPoint a = ToScreen(x1, y1);
    const CPoint b = ToScreen(x2, y2);
    Line(*dc, a.x, a.y, b.x, b.y);
}

void CChart::BuildGrid(int nx, int ny)
{
    m_nDivX = std::clamp(nx, 1, kMaxDivisions);
    m_nDivY = std::clamp(ny, 1, kMaxDivisions);
    const double dx = (m_dXMax - m_dXMin) / m_nDivX;
    const double dy = (m_dYMax - m_dYMin) / m_nDivY;
    for (int i = 1; i < m_nDivX; ++i) {
        const double x = m_dXMin + i * dx;
        const CPoint bottom = ToScreen(x, m_dYMin);
        const CPoint top = ToScreen(x, m_dYMax);
        m_gridX[i] = {bottom.x, bottom.y, top.x, top.y};
    }
    for (int i = 1; i < m_nDivY; ++i) {
        const double y = m_dYMin + i * dy;
        const CPoint left = ToScreen(m_dXMin, y);
        const CPoint right = ToScreen(m_dXMax, y);
        // Horizontal lines stand one pixel below their mapped place.
        m_gridY[i] = {left.x, left.y + 1, right.x, right.y + 1};
    }
}

void CChart::DrawGridX(CDC* dc) const
{
    for (int i = 1; i < m_nDivX; ++i)
        Line(*dc, m_gridX[i].x1, m_gridX[i].y1, m_gridX[i].x2, m_gridX[i].y2);
}

void CChart::DrawGridY(CDC* dc) const
{
    for (int i = 1; i < m_nDivY; ++i)
        Line(*dc, m_gridY[i].x1, m_gridY[i].y1, m_gridY[i].x2, m_gridY[i].y2);
}

void CChart::DrawFrame(CDC* dc, bool withFrame) const
{
    if (withFrame) {
        dc->MoveTo(m_nLeft, m_nBottom);
        dc->LineTo(m_nLeft, m_nTop);
        dc->LineTo(m_nRight, m_nTop);
        dc->LineTo(m_nRight, m_nBottom);
        dc->LineTo(m_nLeft, m_nBottom);
    }
    DrawGridX(dc);
    DrawGridY(dc);
}

void CChart::DrawAxisLabels(CDC* dc, bool xLabels, bool yLabels) const
{
    CFont font;
    font.CreateFont(12, 6, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                    "Times New Roman");
    CFont* oldFont = dc->SelectObject(&font);
    // Slightly left of and below the lower left corner.
    const CPoint anchor =
        ToScreen(m_dXMin - 0.015 * (m_dXMax - m_dXMin), m_dYMin - 0.02 * (m_dYMax - m_dYMin));
    const UINT oldAlign = dc->GetTextAlign();
    CString label;
    double x = 0.0, y = 0.0;
    if (xLabels) {
        dc->SetTextAlign(TA_CENTER | TA_TOP);
        for (int i = 1; i < m_nDivX; ++i) {
            // The label is the world value of the line's pixel.
            ToWorld(m_gridX[i].x1, m_gridX[i].y1, x, y);
            label.Format("%3.1f", x);
            dc->TextOut(m_gridX[i].x1, anchor.y, label);
        }
    }
    if (yLabels) {
        dc->SetTextAlign(TA_RIGHT | TA_BASELINE);
        for (int i = 1; i < m_nDivY; ++i) {
            ToWorld(m_gridY[i].x1, m_gridY[i].y1, x, y);
            label.Format("%3.1f", y);
            dc->TextOut(anchor.x, m_gridY[i].y1 + 3, label);
        }
    }
    if (oldFont)
        dc->SelectObject(oldFont);
    dc->SetTextAlign(oldAlign);
    font.DeleteObject();
}
