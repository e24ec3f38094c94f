// A small x/y plotting class: it maps a rectangle of world coordinates onto a
// rectangle of screen pixels and draws points, segments, a frame, a regular
// grid and labels at the grid lines, with the caller's pen and text colour.
// It needs no allocation: the grid tables are fixed arrays.
#pragma once

#include "platform/Framework.h"

struct GridLine {
    int x1, y1, x2, y2;
};

class CChart {
  public:
    static constexpr int kMaxDivisions = 120;

    void SetRect(int left, int top, int width, int height);
    void SetRange(double xmin, double xmax, double ymin, double ymax);
    void BuildGrid(int nx, int ny);
    CPoint ToScreen(double x, double y) const;
    void ToWorld(int sx, int sy, double& x, double& y) const;
    bool Contains(double x, double y) const;
    void PlotPoint(CDC* dc, double x, double y, COLORREF colour) const;
    void DrawSegment(CDC* dc, double x1, double y1, double x2, double y2) const;
    void DrawGridX(CDC* dc) const;
    void DrawGridY(CDC* dc) const;
    void DrawFrame(CDC* dc, bool withFrame) const;
    void DrawAxisLabels(CDC* dc, bool xLabels, bool yLabels) const;

    int m_nLeft = 0, m_nTop = 0;
    int m_nWidth = 0, m_nHeight = 0;
    double m_dXMin = 0.0, m_dXMax = 0.0;
    double m_dYMin = 0.0, m_dYMax = 0.0;
    int m_nOriginX = 0, m_nOriginY = 0;
    int m_nRight = 0, m_nBottom = 0;
    double m_dXScale = 1.0;
    double m_dYScale = -1.0;
    GridLine m_gridX[kMaxDivisions + 1] = {};
    GridLine m_gridY[kMaxDivisions + 1] = {};
    int m_nDivX = 1, m_nDivY = 1;
};
