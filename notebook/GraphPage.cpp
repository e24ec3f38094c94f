// The graph page: temperature against the gas's absolute pressure, the
// least-squares line through the rows and its equation, whose intercept is
// the student's estimate of absolute zero.
#include "model/GraphData.h"
#include "model/LinearFit.h"
#include "notebook/Chart.h"
#include "notebook/NotebookPage.h"

namespace Notebook {
namespace {
CString EquationText(double a, double b)
{
    CString equation;
    equation.Format("T(ºC) = %5.3f P  %+3.0f", a, b);
    return equation;
}
} // namespace

CString FittedEquation(const ExperimentState& s)
{
    const int m = s.m_nCount;
    double p[ExperimentState::kMaxRows] = {};
    RowPressures(s, p);
    if (MinOf(p, m) == MaxOf(p, m) || MinOf(s.m_dTemp, m) == MaxOf(s.m_dTemp, m))
        return CString();
    double a = 0.0, b = 0.0;
    LinearFit(p, s.m_dTemp, 0, m - 1, b, a);
    return EquationText(a, b);
}

void DrawGraph(CDC& dc, const ExperimentState& s, NotebookFonts& fonts)
{
    dc.SelectObject(&fonts.graph);
    dc.TextOut(422, 74, "Gràfica de la temperatura en graus");
    dc.TextOut(422, 96, "centígrads en funció de la pressió");
    dc.TextOut(422, 118, "absoluta del gas (en mmHg)");

    const int m = s.m_nCount;
    double p[ExperimentState::kMaxRows] = {};
    RowPressures(s, p);
    const double pMin = MinOf(p, m), pMax = MaxOf(p, m);
    const double tMin = MinOf(s.m_dTemp, m), tMax = MaxOf(s.m_dTemp, m);
    if (pMin == pMax || tMin == tMax)
        return; // no spread: nothing to plot or fit
    double xlo = 0.0, xhi = 0.0, ylo = 0.0, yhi = 0.0;
    WidenedRange(pMin, pMax, xlo, xhi);
    WidenedRange(tMin, tMax, ylo, yhi);

    CPen chartPen;
    chartPen.CreatePen(PS_SOLID, 1, kChartPen);
    CPen* oldPen = dc.SelectObject(&chartPen);
    CChart chart;
    chart.SetRect(442, 160, 135, 135);
    chart.SetRange(xlo, xhi, ylo, yhi);
    chart.BuildGrid(4, 5);
    chart.DrawFrame(&dc, true);
    chart.DrawAxisLabels(&dc, true, true);
    for (int i = 0; i < m; ++i)
        chart.PlotPoint(&dc, p[i], s.m_dTemp[i], kPoint);
    double a = 0.0, b = 0.0;
    LinearFit(p, s.m_dTemp, 0, m - 1, b, a);
    if (oldPen)
        dc.SelectObject(oldPen);
    chartPen.DeleteObject();

    // The fitted line across the whole pressure range, not clipped.
    CPen linePen;
    linePen.CreatePen(PS_DOT, 1, kLinePen);
    oldPen = dc.SelectObject(&linePen);
    chart.DrawSegment(&dc, xlo, a * xlo + b, xhi, a * xhi + b);
    if (oldPen)
        dc.SelectObject(oldPen);
    linePen.DeleteObject();

    dc.TextOut(486, 147, EquationText(a, b));
}
} // namespace Notebook
