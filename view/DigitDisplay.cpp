#include "view/DigitDisplay.h"

#include <cmath>
#include <string>

#include "view/DrawBitmap.h"

void CDigitDisplay::Init(int x, int y, int cells, int decimals, int firstBitmap, int pointDX,
                         int pointDY)
{
    m_nX = x;
    m_nY = y;
    m_nCells = cells;
    m_nDecimals = decimals;
    m_dMax = std::pow(10.0, cells) - 1.0;
    m_dMin = 1.0 - std::pow(10.0, cells - 1);
    m_nCellWidth = 37;
    m_nCellHeight = 50;
    for (int d = 0; d < 10; ++d)
        m_nDigitBitmap[d] = firstBitmap + d;
    m_nBlankBitmap = firstBitmap + 10;
    m_nPointBitmap = firstBitmap + 11;
    m_nMinusBitmap = firstBitmap + 12;
    m_nEBitmap = firstBitmap + 13;
    m_nRBitmap = firstBitmap + 14;
    m_nPointDX = pointDX;
    m_nPointDY = pointDY;
}

int CDigitDisplay::BitmapFor(char c) const
{
    if (c >= '0' && c <= '9')
        return m_nDigitBitmap[c - '0'];
    if (c == '-')
        return m_nMinusBitmap;
    if (c == 'E')
        return m_nEBitmap;
    if (c == 'R')
        return m_nRBitmap;
    return m_nBlankBitmap;
}

void CDigitDisplay::DrawString(CDC* target, CString text)
{
    const int length = text.GetLength();
    int k = -1;
    int i = 0;
    while (i < length) {
        ++k;
        if (k >= m_nCells)
            break;
        int bitmap = 0;
        bool chosen = false;
        while (!chosen) {
            if (text.GetAt(i) != '.') {
                bitmap = BitmapFor(text.GetAt(i));
                chosen = true;
                break;
            }
            // A point takes no cell: it goes over the cell already drawn.
            DrawBitmap(target, m_nX + (k - 1) * m_nCellWidth + m_nPointDX, m_nY + m_nPointDY, 5, 5,
                       static_cast<UINT>(m_nPointBitmap));
            ++i;
            if (i >= length) {
                bitmap = m_nBlankBitmap;
                chosen = true;
            }
        }
        DrawBitmap(target, m_nX + k * m_nCellWidth, m_nY, m_nCellWidth, m_nCellHeight,
                   static_cast<UINT>(bitmap));
        ++i;
    }
}

void CDigitDisplay::DrawValue(CDC* target, double value)
{
    // The test runs on the unrounded value; a NaN is out of range.
    if (value > m_dMax || !(value >= m_dMin)) {
        DrawString(target, "ERR" + std::string(23, ' '));
        return;
    }
    CString format;
    format.Format("%%%d.%df", m_nCells + 1, m_nDecimals);
    CString text;
    text.Format(format, value);
    DrawString(target, text);
}
