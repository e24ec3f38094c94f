// A numeric readout of seven-segment cells, one bitmap per cell, with a small
// separate bitmap for the decimal point. It draws into the surface it is
// given and never copies anything to the window.
#pragma once

#include "platform/Framework.h"

class CDigitDisplay {
  public:
    void Init(int x, int y, int cells, int decimals, int firstBitmap, int pointDX, int pointDY);
    // One character per cell; a point goes over the cell before it.
    void DrawString(CDC* target, CString text);
    // The value formatted for the cells, or ERR when it does not fit.
    void DrawValue(CDC* target, double value);

    int m_nCells = 0;
    int m_nDecimals = 0;
    double m_dMax = 0.0;
    double m_dMin = 0.0;
    int m_nX = 0, m_nY = 0;
    int m_nCellWidth = 37, m_nCellHeight = 50;
    int m_nDigitBitmap[10] = {};
    int m_nBlankBitmap = 0;
    int m_nPointBitmap = 0;
    int m_nMinusBitmap = 0;
    int m_nEBitmap = 0;
    int m_nRBitmap = 0;
    int m_nPointDX = 0, m_nPointDY = 0;

  private:
    int BitmapFor(char c) const;
};
